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
    <name>MainViewController</name>
    <message>
        <source>Categorized Phrases</source>
        <translation>Categorized Phrases</translation>
    </message>
</context>
<context>
    <name>PhraseCardVC</name>
    <message>
        <source>Microphone Access Denied</source>
        <translation>Microphone Access Denied</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Open Settings</translation>
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
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
</TS>
