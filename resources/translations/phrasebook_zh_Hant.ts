<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_Hant" sourcelanguage="en">
<context>
    <name>AppDelegate</name>
    <message>
        <source>Phrasebook</source>
        <translation>Phrasebook</translation>
    </message>
</context>
<context>
    <name>BaseQuizViewController</name>
    <message>
        <source>Play the phrase</source>
        <translation>播放句子</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進度</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>已結束</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>提交</translation>
    </message>
</context>
<context>
    <name>MailComposer</name>
    <message>
        <source>New Message</source>
        <translation>新郵件</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>傳送</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>收件人：</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>主旨：</translation>
    </message>
    <message>
        <source>Send passes the message to your mail program.</source>
        <translation>「傳送」會把郵件交給你的郵件程式。</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>Categorized Phrases</source>
        <translation>分類短語</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>測驗</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>HoldToRecord</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>開啟設定</translation>
    </message>
    <message>
        <source>No microphone was found.</source>
        <translation>找不到麥克風。</translation>
    </message>
    <message>
        <source>No sound settings program was found. Connect a microphone, make sure the computer&apos;s sound service is running, then hold the microphone button again.</source>
        <translation>找不到聲音設定程式。請連接麥克風，確認電腦的聲音服務正在執行，然後再次按住麥克風按鈕。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>好</translation>
    </message>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>按住說話。</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>正在錄音</translation>
    </message>
</context>
<context>
    <name>PhraseCardVC</name>
    <message>
        <source>Play the phrase</source>
        <translation>播放句子</translation>
    </message>
    <message>
        <source>Hold to record your voice</source>
        <translation>按住錄下你的聲音</translation>
    </message>
    <message>
        <source>Write the phrase</source>
        <translation>寫出句子</translation>
    </message>
    <message>
        <source>Hide the phrase</source>
        <translation>隱藏句子</translation>
    </message>
    <message>
        <source>Show the phrase</source>
        <translation>顯示句子</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>上一句</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>下一句</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakResultCellView</name>
    <message>
        <source>Show Voiceprint</source>
        <translation>查看聲紋</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakVC</name>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>按住說話。</translation>
    </message>
</context>
<context>
    <name>PhrasebookApplication</name>
    <message>
        <source>Phrasebook cannot start</source>
        <translation>Phrasebook 無法啟動</translation>
    </message>
    <message>
        <source>The installed content is damaged:</source>
        <translation>已安裝的內容已損壞：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>QuizOutlineVC</name>
    <message>
        <source>Listen And Select</source>
        <translation>聽音選擇</translation>
    </message>
    <message>
        <source>Listen And Write</source>
        <translation>聽寫</translation>
    </message>
    <message>
        <source>Reorder Words</source>
        <translation>單字排序</translation>
    </message>
    <message>
        <source>Read Phrase</source>
        <translation>朗讀短語</translation>
    </message>
    <message>
        <source>Foreign Language -&gt; Mother Language</source>
        <translation>外語 -&gt; 母語</translation>
    </message>
    <message>
        <source>Mother Language -&gt; Foreign Language</source>
        <translation>母語 -&gt; 外語</translation>
    </message>
    <message>
        <source>Unit Quiz</source>
        <translation>單元測驗</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>測驗</translation>
    </message>
</context>
<context>
    <name>RatingPrompt</name>
    <message>
        <source>Rate %1</source>
        <translation>為 %1 評分</translation>
    </message>
    <message>
        <source>If you enjoy using %1, would you mind taking a moment to rate it? It won&apos;t take more than a minute. Thanks for your support!</source>
        <translation>如果您喜歡使用 %1，能否花點時間為它評分？不會超過一分鐘。感謝您的支持！</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>立即評分</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>稍後提醒我</translation>
    </message>
    <message>
        <source>The store page cannot be opened on this computer.</source>
        <translation>無法在此電腦上開啟商店頁面。</translation>
    </message>
</context>
<context>
    <name>SettingViewController</name>
    <message>
        <source>XP</source>
        <translation>經驗值</translation>
    </message>
    <message>
        <source>Play Speed</source>
        <translation>播放速度</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>測驗時長</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>清除快取</translation>
    </message>
    <message>
        <source>Word Feedback</source>
        <translation>逐詞回饋</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>意見回饋</translation>
    </message>
    <message>
        <source>More App</source>
        <translation>更多應用程式</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>評價應用程式</translation>
    </message>
    <message>
        <source>Share App</source>
        <translation>分享應用程式</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>確定嗎？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Some advices on the APP</source>
        <translation>對應用程式的一些建議</translation>
    </message>
    <message>
        <source>Sent successfully</source>
        <translation>傳送成功</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>傳送失敗</translation>
    </message>
    <message>
        <source>shareMsg</source>
        <translation>用 Phrasebook 學說日常英語短句</translation>
    </message>
</context>
<context>
    <name>SharePanel</name>
    <message>
        <source>Copy link</source>
        <translation>拷貝連結</translation>
    </message>
    <message>
        <source>Send by mail</source>
        <translation>透過郵件傳送</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>無法啟動郵件程式。</translation>
    </message>
</context>
<context>
    <name>SpectrumCompView</name>
    <message>
        <source>Original Voice</source>
        <translation>原聲</translation>
    </message>
    <message>
        <source>My Voice</source>
        <translation>我的聲音</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
</context>
<context>
    <name>TestDurPickerView</name>
    <message>
        <source>Test Duration</source>
        <translation>測驗時長</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>No program on this computer can open %1.</source>
        <translation>這台電腦上沒有可以開啟 %1 的程式。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>UserInfoVC</name>
    <message>
        <source>XP</source>
        <translation>經驗值</translation>
    </message>
    <message>
        <source>Start App</source>
        <translation>啟動應用程式</translation>
    </message>
    <message>
        <source>Listen Word</source>
        <translation>聽</translation>
    </message>
    <message>
        <source>Write Word</source>
        <translation>寫</translation>
    </message>
    <message>
        <source>Read Word</source>
        <translation>朗讀</translation>
    </message>
    <message>
        <source>Quiz Times</source>
        <translation>測驗次數</translation>
    </message>
    <message>
        <source>Quiz Score</source>
        <translation>測驗得分</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>評價應用程式</translation>
    </message>
</context>
<context>
    <name>WordOrderAdjustVC</name>
    <message>
        <source>Drag the word to reorder it.</source>
        <translation>拖動單詞以調整順序。</translation>
    </message>
</context>
<context>
    <name>WordStripView</name>
    <message>
        <source>not heard</source>
        <translation>沒有聽到</translation>
    </message>
    <message>
        <source>/%1/ sounded like /%2/</source>
        <translation>/%1/ 聽起來像 /%2/</translation>
    </message>
    <message>
        <source>/%1/ is unclear</source>
        <translation>/%1/ 不夠清晰</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>需要練習</translation>
    </message>
    <message>
        <source>Tap to hear your voice, then the original voice.</source>
        <translation>輕點可先聽你的聲音，再聽原聲。</translation>
    </message>
    <message>
        <source>Tap to hear your voice.</source>
        <translation>輕點可聽你的聲音。</translation>
    </message>
    <message>
        <source>Tap to hear the original voice.</source>
        <translation>輕點可聽原聲。</translation>
    </message>
</context>
<context>
    <name>WordWriteView</name>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>提交</translation>
    </message>
</context>
<context>
    <name>ZQPSRecognizer</name>
    <message>
        <source>No voice detected</source>
        <translation>未偵測到聲音</translation>
    </message>
    <message>
        <source>No correct words detected</source>
        <translation>未偵測到正確的單字</translation>
    </message>
    <message>
        <source>Problems a bit in word sequence</source>
        <translation>單字順序有些問題</translation>
    </message>
</context>
<context>
    <name>ZQToolBarView</name>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>ZQPopView</name>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>CategoryController</name>
    <message>
        <source>Quizzes</source>
        <translation>測驗</translation>
    </message>
</context>
<context>
    <name>ZQPlayerBox</name>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>上一句</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>下一句</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>減速</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>加速</translation>
    </message>
    <message>
        <source>Play the list once</source>
        <translation>列表播放一遍</translation>
    </message>
    <message>
        <source>Repeat this phrase</source>
        <translation>單句循環</translation>
    </message>
    <message>
        <source>Repeat the list</source>
        <translation>列表循環</translation>
    </message>
</context>
</TS>
