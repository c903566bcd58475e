<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_Hans" sourcelanguage="en">
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
        <translation>进度</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>已结束</translation>
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
        <translation>新邮件</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>收件人：</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>主题：</translation>
    </message>
    <message>
        <source>Send passes the message to your mail program.</source>
        <translation>“发送”会把邮件交给你的邮件程序。</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>Categorized Phrases</source>
        <translation>分类短语</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>测验</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
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
        <translation>打开设置</translation>
    </message>
    <message>
        <source>No microphone was found.</source>
        <translation>未找到麦克风。</translation>
    </message>
    <message>
        <source>No sound settings program was found. Connect a microphone, make sure the computer&apos;s sound service is running, then hold the microphone button again.</source>
        <translation>未找到声音设置程序。请连接麦克风，确认电脑的声音服务正在运行，然后再次按住麦克风按钮。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>好</translation>
    </message>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>按住说话。</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>正在录音</translation>
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
        <translation>按住录下你的声音</translation>
    </message>
    <message>
        <source>Write the phrase</source>
        <translation>写出句子</translation>
    </message>
    <message>
        <source>Hide the phrase</source>
        <translation>隐藏句子</translation>
    </message>
    <message>
        <source>Show the phrase</source>
        <translation>显示句子</translation>
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
        <translation>查看声纹</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakVC</name>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>按住说话。</translation>
    </message>
</context>
<context>
    <name>PhrasebookApplication</name>
    <message>
        <source>Phrasebook cannot start</source>
        <translation>Phrasebook 无法启动</translation>
    </message>
    <message>
        <source>The installed content is damaged:</source>
        <translation>已安装的内容已损坏：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>QuizOutlineVC</name>
    <message>
        <source>Listen And Select</source>
        <translation>听音选择</translation>
    </message>
    <message>
        <source>Listen And Write</source>
        <translation>听写</translation>
    </message>
    <message>
        <source>Reorder Words</source>
        <translation>单词排序</translation>
    </message>
    <message>
        <source>Read Phrase</source>
        <translation>朗读短语</translation>
    </message>
    <message>
        <source>Foreign Language -&gt; Mother Language</source>
        <translation>外语 -&gt; 母语</translation>
    </message>
    <message>
        <source>Mother Language -&gt; Foreign Language</source>
        <translation>母语 -&gt; 外语</translation>
    </message>
    <message>
        <source>Unit Quiz</source>
        <translation>单元测验</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>测验</translation>
    </message>
</context>
<context>
    <name>RatingPrompt</name>
    <message>
        <source>Rate %1</source>
        <translation>为 %1 评分</translation>
    </message>
    <message>
        <source>If you enjoy using %1, would you mind taking a moment to rate it? It won&apos;t take more than a minute. Thanks for your support!</source>
        <translation>如果您喜欢使用 %1，能否花点时间为它评分？不会超过一分钟。感谢您的支持！</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>立即评分</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>稍后提醒我</translation>
    </message>
    <message>
        <source>The store page cannot be opened on this computer.</source>
        <translation>无法在此电脑上打开商店页面。</translation>
    </message>
</context>
<context>
    <name>SettingViewController</name>
    <message>
        <source>XP</source>
        <translation>经验值</translation>
    </message>
    <message>
        <source>Play Speed</source>
        <translation>播放速度</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>测验时长</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>清除缓存</translation>
    </message>
    <message>
        <source>Word Feedback</source>
        <translation>逐词反馈</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>意见反馈</translation>
    </message>
    <message>
        <source>More App</source>
        <translation>更多应用</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>评价应用</translation>
    </message>
    <message>
        <source>Share App</source>
        <translation>分享应用</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>确定吗？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Some advices on the APP</source>
        <translation>对应用的一些建议</translation>
    </message>
    <message>
        <source>Sent successfully</source>
        <translation>发送成功</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>发送失败</translation>
    </message>
    <message>
        <source>shareMsg</source>
        <translation>用 Phrasebook 学说日常英语短句</translation>
    </message>
</context>
<context>
    <name>SharePanel</name>
    <message>
        <source>Copy link</source>
        <translation>复制链接</translation>
    </message>
    <message>
        <source>Send by mail</source>
        <translation>通过邮件发送</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>无法启动邮件程序。</translation>
    </message>
</context>
<context>
    <name>SpectrumCompView</name>
    <message>
        <source>Original Voice</source>
        <translation>原声</translation>
    </message>
    <message>
        <source>My Voice</source>
        <translation>我的声音</translation>
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
        <translation>测验时长</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>No program on this computer can open %1.</source>
        <translation>这台电脑上没有可以打开 %1 的程序。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>UserInfoVC</name>
    <message>
        <source>XP</source>
        <translation>经验值</translation>
    </message>
    <message>
        <source>Start App</source>
        <translation>启动应用</translation>
    </message>
    <message>
        <source>Listen Word</source>
        <translation>听</translation>
    </message>
    <message>
        <source>Write Word</source>
        <translation>写</translation>
    </message>
    <message>
        <source>Read Word</source>
        <translation>朗读</translation>
    </message>
    <message>
        <source>Quiz Times</source>
        <translation>测验次数</translation>
    </message>
    <message>
        <source>Quiz Score</source>
        <translation>测验得分</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>评价应用</translation>
    </message>
</context>
<context>
    <name>WordOrderAdjustVC</name>
    <message>
        <source>Drag the word to reorder it.</source>
        <translation>拖动单词以调整顺序。</translation>
    </message>
</context>
<context>
    <name>WordStripView</name>
    <message>
        <source>not heard</source>
        <translation>没有听到</translation>
    </message>
    <message>
        <source>/%1/ sounded like /%2/</source>
        <translation>/%1/ 听起来像 /%2/</translation>
    </message>
    <message>
        <source>/%1/ is unclear</source>
        <translation>/%1/ 不够清晰</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>需要练习</translation>
    </message>
    <message>
        <source>Tap to hear your voice, then the original voice.</source>
        <translation>轻点可先听你的声音，再听原声。</translation>
    </message>
    <message>
        <source>Tap to hear your voice.</source>
        <translation>轻点可听你的声音。</translation>
    </message>
    <message>
        <source>Tap to hear the original voice.</source>
        <translation>轻点可听原声。</translation>
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
        <translation>未检测到声音</translation>
    </message>
    <message>
        <source>No correct words detected</source>
        <translation>未检测到正确的单词</translation>
    </message>
    <message>
        <source>Problems a bit in word sequence</source>
        <translation>单词顺序有些问题</translation>
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
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>CategoryController</name>
    <message>
        <source>Quizzes</source>
        <translation>测验</translation>
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
        <translation>暂停</translation>
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
        <translation>减速</translation>
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
        <translation>单句循环</translation>
    </message>
    <message>
        <source>Repeat the list</source>
        <translation>列表循环</translation>
    </message>
</context>
</TS>
