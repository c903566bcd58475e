<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
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
        <translation>Play the phrase</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Submit</translation>
    </message>
</context>
<context>
    <name>MailComposer</name>
    <message>
        <source>New Message</source>
        <translation>New Message</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Subject:</translation>
    </message>
    <message>
        <source>Send passes the message to your mail program.</source>
        <translation>Send passes the message to your mail program.</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>Categorized Phrases</source>
        <translation>Categorized Phrases</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>Quizzes</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>HoldToRecord</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Open Settings</translation>
    </message>
    <message>
        <source>No microphone was found.</source>
        <translation>No microphone was found.</translation>
    </message>
    <message>
        <source>No sound settings program was found. Connect a microphone, make sure the computer&apos;s sound service is running, then hold the microphone button again.</source>
        <translation>No sound settings program was found. Connect a microphone, make sure the computer&apos;s sound service is running, then hold the microphone button again.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>Tap and hold to speak.</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Recording</translation>
    </message>
</context>
<context>
    <name>PhraseCardVC</name>
    <message>
        <source>Play the phrase</source>
        <translation>Play the phrase</translation>
    </message>
    <message>
        <source>Hold to record your voice</source>
        <translation>Hold to record your voice</translation>
    </message>
    <message>
        <source>Write the phrase</source>
        <translation>Write the phrase</translation>
    </message>
    <message>
        <source>Hide the phrase</source>
        <translation>Hide the phrase</translation>
    </message>
    <message>
        <source>Show the phrase</source>
        <translation>Show the phrase</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>Previous phrase</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>Next phrase</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakResultCellView</name>
    <message>
        <source>Show Voiceprint</source>
        <translation>Show Voiceprint</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakVC</name>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>Tap and hold to speak.</translation>
    </message>
</context>
<context>
    <name>PhrasebookApplication</name>
    <message>
        <source>Phrasebook cannot start</source>
        <translation>Phrasebook cannot start</translation>
    </message>
    <message>
        <source>The installed content is damaged:</source>
        <translation>The installed content is damaged:</translation>
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
        <translation>Listen And Select</translation>
    </message>
    <message>
        <source>Listen And Write</source>
        <translation>Listen And Write</translation>
    </message>
    <message>
        <source>Reorder Words</source>
        <translation>Reorder Words</translation>
    </message>
    <message>
        <source>Read Phrase</source>
        <translation>Read Phrase</translation>
    </message>
    <message>
        <source>Foreign Language -&gt; Mother Language</source>
        <translation>Foreign Language -&gt; Mother Language</translation>
    </message>
    <message>
        <source>Mother Language -&gt; Foreign Language</source>
        <translation>Mother Language -&gt; Foreign Language</translation>
    </message>
    <message>
        <source>Unit Quiz</source>
        <translation>Unit Quiz</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>Quizzes</translation>
    </message>
</context>
<context>
    <name>RatingPrompt</name>
    <message>
        <source>Rate %1</source>
        <translation>Rate %1</translation>
    </message>
    <message>
        <source>If you enjoy using %1, would you mind taking a moment to rate it? It won&apos;t take more than a minute. Thanks for your support!</source>
        <translation>If you enjoy using %1, would you mind taking a moment to rate it? It won&apos;t take more than a minute. Thanks for your support!</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Rate It Now</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Remind Me Later</translation>
    </message>
    <message>
        <source>The store page cannot be opened on this computer.</source>
        <translation>The store page cannot be opened on this computer.</translation>
    </message>
</context>
<context>
    <name>SettingViewController</name>
    <message>
        <source>XP</source>
        <translation>XP</translation>
    </message>
    <message>
        <source>Play Speed</source>
        <translation>Play Speed</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>Test Duration</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Clear Cache</translation>
    </message>
    <message>
        <source>Word Feedback</source>
        <translation>Word Feedback</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>More App</source>
        <translation>More App</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>Review App</translation>
    </message>
    <message>
        <source>Share App</source>
        <translation>Share App</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Are you sure?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Some advices on the APP</source>
        <translation>Some advices on the APP</translation>
    </message>
    <message>
        <source>Sent successfully</source>
        <translation>Sent successfully</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>Failed to send</translation>
    </message>
    <message>
        <source>shareMsg</source>
        <translation>Learn to speak everyday English phrases with Phrasebook</translation>
    </message>
</context>
<context>
    <name>SharePanel</name>
    <message>
        <source>Copy link</source>
        <translation>Copy link</translation>
    </message>
    <message>
        <source>Send by mail</source>
        <translation>Send by mail</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>No mail program could be started.</translation>
    </message>
</context>
<context>
    <name>SpectrumCompView</name>
    <message>
        <source>Original Voice</source>
        <translation>Original Voice</translation>
    </message>
    <message>
        <source>My Voice</source>
        <translation>My Voice</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
</context>
<context>
    <name>TestDurPickerView</name>
    <message>
        <source>Test Duration</source>
        <translation>Test Duration</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>No program on this computer can open %1.</translation>
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
        <translation>XP</translation>
    </message>
    <message>
        <source>Start App</source>
        <translation>Start App</translation>
    </message>
    <message>
        <source>Listen Word</source>
        <translation>Listen Word</translation>
    </message>
    <message>
        <source>Write Word</source>
        <translation>Write Word</translation>
    </message>
    <message>
        <source>Read Word</source>
        <translation>Read Word</translation>
    </message>
    <message>
        <source>Quiz Times</source>
        <translation>Quiz Times</translation>
    </message>
    <message>
        <source>Quiz Score</source>
        <translation>Quiz Score</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>Review App</translation>
    </message>
</context>
<context>
    <name>WordOrderAdjustVC</name>
    <message>
        <source>Drag the word to reorder it.</source>
        <translation>Drag the word to reorder it.</translation>
    </message>
</context>
<context>
    <name>WordStripView</name>
    <message>
        <source>not heard</source>
        <translation>not heard</translation>
    </message>
    <message>
        <source>/%1/ sounded like /%2/</source>
        <translation>/%1/ sounded like /%2/</translation>
    </message>
    <message>
        <source>/%1/ is unclear</source>
        <translation>/%1/ is unclear</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>needs practice</translation>
    </message>
    <message>
        <source>Tap to hear your voice, then the original voice.</source>
        <translation>Tap to hear your voice, then the original voice.</translation>
    </message>
    <message>
        <source>Tap to hear your voice.</source>
        <translation>Tap to hear your voice.</translation>
    </message>
    <message>
        <source>Tap to hear the original voice.</source>
        <translation>Tap to hear the original voice.</translation>
    </message>
</context>
<context>
    <name>WordWriteView</name>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Submit</translation>
    </message>
</context>
<context>
    <name>ZQPSRecognizer</name>
    <message>
        <source>No voice detected</source>
        <translation>No voice detected</translation>
    </message>
    <message>
        <source>No correct words detected</source>
        <translation>No correct words detected</translation>
    </message>
    <message>
        <source>Problems a bit in word sequence</source>
        <translation>Problems a bit in word sequence</translation>
    </message>
</context>
<context>
    <name>ZQToolBarView</name>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>ZQPopView</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>CategoryController</name>
    <message>
        <source>Quizzes</source>
        <translation>Quizzes</translation>
    </message>
</context>
<context>
    <name>ZQPlayerBox</name>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>Previous phrase</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>Next phrase</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Slower</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Faster</translation>
    </message>
    <message>
        <source>Play the list once</source>
        <translation>Play the list once</translation>
    </message>
    <message>
        <source>Repeat this phrase</source>
        <translation>Repeat this phrase</translation>
    </message>
    <message>
        <source>Repeat the list</source>
        <translation>Repeat the list</translation>
    </message>
</context>
</TS>
