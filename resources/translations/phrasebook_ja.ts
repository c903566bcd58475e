<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
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
        <translation>フレーズを再生</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進捗</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>送信</translation>
    </message>
</context>
<context>
    <name>MailComposer</name>
    <message>
        <source>New Message</source>
        <translation>新規メッセージ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>宛先:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>件名:</translation>
    </message>
    <message>
        <source>Send passes the message to your mail program.</source>
        <translation>送信すると、メッセージがメールソフトに渡されます。</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>Categorized Phrases</source>
        <translation>カテゴリー別フレーズ</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>クイズ</translation>
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
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>設定を開く</translation>
    </message>
    <message>
        <source>No microphone was found.</source>
        <translation>マイクが見つかりません。</translation>
    </message>
    <message>
        <source>No sound settings program was found. Connect a microphone, make sure the computer&apos;s sound service is running, then hold the microphone button again.</source>
        <translation>サウンド設定のプログラムが見つかりません。マイクを接続し、コンピューターのサウンドサービスが動作していることを確認してから、もう一度マイクボタンを長押ししてください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>長押しして話してください。</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>録音中</translation>
    </message>
</context>
<context>
    <name>PhraseCardVC</name>
    <message>
        <source>Play the phrase</source>
        <translation>フレーズを再生</translation>
    </message>
    <message>
        <source>Hold to record your voice</source>
        <translation>長押しして声を録音</translation>
    </message>
    <message>
        <source>Write the phrase</source>
        <translation>フレーズを書く</translation>
    </message>
    <message>
        <source>Hide the phrase</source>
        <translation>フレーズを隠す</translation>
    </message>
    <message>
        <source>Show the phrase</source>
        <translation>フレーズを表示</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>前のフレーズ</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>次のフレーズ</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakResultCellView</name>
    <message>
        <source>Show Voiceprint</source>
        <translation>声紋を表示</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakVC</name>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>押したまま話してください。</translation>
    </message>
</context>
<context>
    <name>PhrasebookApplication</name>
    <message>
        <source>Phrasebook cannot start</source>
        <translation>Phrasebook を起動できません</translation>
    </message>
    <message>
        <source>The installed content is damaged:</source>
        <translation>インストールされたコンテンツが破損しています：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QuizOutlineVC</name>
    <message>
        <source>Listen And Select</source>
        <translation>聞いて選ぶ</translation>
    </message>
    <message>
        <source>Listen And Write</source>
        <translation>聞いて書く</translation>
    </message>
    <message>
        <source>Reorder Words</source>
        <translation>単語の並べ替え</translation>
    </message>
    <message>
        <source>Read Phrase</source>
        <translation>フレーズを読む</translation>
    </message>
    <message>
        <source>Foreign Language -&gt; Mother Language</source>
        <translation>外国語 -&gt; 母語</translation>
    </message>
    <message>
        <source>Mother Language -&gt; Foreign Language</source>
        <translation>母語 -&gt; 外国語</translation>
    </message>
    <message>
        <source>Unit Quiz</source>
        <translation>単元クイズ</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>クイズ</translation>
    </message>
</context>
<context>
    <name>RatingPrompt</name>
    <message>
        <source>Rate %1</source>
        <translation>%1 を評価</translation>
    </message>
    <message>
        <source>If you enjoy using %1, would you mind taking a moment to rate it? It won&apos;t take more than a minute. Thanks for your support!</source>
        <translation>%1 を気に入っていただけたら、評価をお願いできますか？1分もかかりません。ご協力ありがとうございます！</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>今すぐ評価</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>後で通知</translation>
    </message>
    <message>
        <source>The store page cannot be opened on this computer.</source>
        <translation>このコンピューターではストアのページを開けません。</translation>
    </message>
</context>
<context>
    <name>SettingViewController</name>
    <message>
        <source>XP</source>
        <translation>経験値</translation>
    </message>
    <message>
        <source>Play Speed</source>
        <translation>再生速度</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>テスト時間</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>キャッシュを消去</translation>
    </message>
    <message>
        <source>Word Feedback</source>
        <translation>単語ごとのフィードバック</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>フィードバック</translation>
    </message>
    <message>
        <source>More App</source>
        <translation>その他のアプリ</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>アプリを評価</translation>
    </message>
    <message>
        <source>Share App</source>
        <translation>アプリを共有</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>よろしいですか？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Some advices on the APP</source>
        <translation>アプリについてのご意見</translation>
    </message>
    <message>
        <source>Sent successfully</source>
        <translation>送信しました</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>送信できませんでした</translation>
    </message>
    <message>
        <source>shareMsg</source>
        <translation>Phrasebookで日常の英語フレーズを話せるようになろう</translation>
    </message>
</context>
<context>
    <name>SharePanel</name>
    <message>
        <source>Copy link</source>
        <translation>リンクをコピー</translation>
    </message>
    <message>
        <source>Send by mail</source>
        <translation>メールで送信</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>メールソフトを起動できませんでした。</translation>
    </message>
</context>
<context>
    <name>SpectrumCompView</name>
    <message>
        <source>Original Voice</source>
        <translation>お手本の音声</translation>
    </message>
    <message>
        <source>My Voice</source>
        <translation>自分の音声</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
</context>
<context>
    <name>TestDurPickerView</name>
    <message>
        <source>Test Duration</source>
        <translation>テスト時間</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>No program on this computer can open %1.</source>
        <translation>このコンピューターには %1 を開けるプログラムがありません。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>UserInfoVC</name>
    <message>
        <source>XP</source>
        <translation>経験値</translation>
    </message>
    <message>
        <source>Start App</source>
        <translation>アプリ起動</translation>
    </message>
    <message>
        <source>Listen Word</source>
        <translation>聞く</translation>
    </message>
    <message>
        <source>Write Word</source>
        <translation>書く</translation>
    </message>
    <message>
        <source>Read Word</source>
        <translation>音読</translation>
    </message>
    <message>
        <source>Quiz Times</source>
        <translation>テスト回数</translation>
    </message>
    <message>
        <source>Quiz Score</source>
        <translation>テストの得点</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>アプリを評価</translation>
    </message>
</context>
<context>
    <name>WordOrderAdjustVC</name>
    <message>
        <source>Drag the word to reorder it.</source>
        <translation>単語をドラッグして並べ替えてください。</translation>
    </message>
</context>
<context>
    <name>WordStripView</name>
    <message>
        <source>not heard</source>
        <translation>聞き取れませんでした</translation>
    </message>
    <message>
        <source>/%1/ sounded like /%2/</source>
        <translation>/%1/ が /%2/ に聞こえました</translation>
    </message>
    <message>
        <source>/%1/ is unclear</source>
        <translation>/%1/ がはっきりしません</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>要練習</translation>
    </message>
    <message>
        <source>Tap to hear your voice, then the original voice.</source>
        <translation>タップすると自分の音声、続いてお手本の音声を再生します。</translation>
    </message>
    <message>
        <source>Tap to hear your voice.</source>
        <translation>タップすると自分の音声を再生します。</translation>
    </message>
    <message>
        <source>Tap to hear the original voice.</source>
        <translation>タップするとお手本の音声を再生します。</translation>
    </message>
</context>
<context>
    <name>WordWriteView</name>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>送信</translation>
    </message>
</context>
<context>
    <name>ZQPSRecognizer</name>
    <message>
        <source>No voice detected</source>
        <translation>音声が検出されませんでした</translation>
    </message>
    <message>
        <source>No correct words detected</source>
        <translation>正しい単語が検出されませんでした</translation>
    </message>
    <message>
        <source>Problems a bit in word sequence</source>
        <translation>単語の順序に少し問題があります</translation>
    </message>
</context>
<context>
    <name>ZQToolBarView</name>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
</context>
<context>
    <name>ZQPopView</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>CategoryController</name>
    <message>
        <source>Quizzes</source>
        <translation>クイズ</translation>
    </message>
</context>
<context>
    <name>ZQPlayerBox</name>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>前のフレーズ</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>次のフレーズ</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>遅く</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>速く</translation>
    </message>
    <message>
        <source>Play the list once</source>
        <translation>リストを1回再生</translation>
    </message>
    <message>
        <source>Repeat this phrase</source>
        <translation>このフレーズを繰り返す</translation>
    </message>
    <message>
        <source>Repeat the list</source>
        <translation>リストを繰り返す</translation>
    </message>
</context>
</TS>
