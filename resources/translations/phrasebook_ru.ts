<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
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
        <translation>Прогресс</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Оценка</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Отправить</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>Categorized Phrases</source>
        <translation>Фразы по темам</translation>
    </message>
</context>
<context>
    <name>PhraseCardVC</name>
    <message>
        <source>Microphone Access Denied</source>
        <translation>Доступ к микрофону запрещён</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Открыть настройки</translation>
    </message>
</context>
<context>
    <name>PhrasebookApplication</name>
    <message>
        <source>Phrasebook cannot start</source>
        <translation>Не удаётся запустить Phrasebook</translation>
    </message>
    <message>
        <source>The installed content is damaged:</source>
        <translation>Установленное содержимое повреждено:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>QuizOutlineVC</name>
    <message>
        <source>Listen And Select</source>
        <translation>Слушать и выбрать</translation>
    </message>
    <message>
        <source>Listen And Write</source>
        <translation>Слушать и написать</translation>
    </message>
    <message>
        <source>Reorder Words</source>
        <translation>Расставить слова</translation>
    </message>
    <message>
        <source>Read Phrase</source>
        <translation>Прочитать фразу</translation>
    </message>
    <message>
        <source>Foreign Language -&gt; Mother Language</source>
        <translation>Иностранный язык -&gt; Родной язык</translation>
    </message>
    <message>
        <source>Mother Language -&gt; Foreign Language</source>
        <translation>Родной язык -&gt; Иностранный язык</translation>
    </message>
    <message>
        <source>Unit Quiz</source>
        <translation>Тест по теме</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>Тесты</translation>
    </message>
</context>
<context>
    <name>RatingPrompt</name>
    <message>
        <source>Rate %1</source>
        <translation>Оцените %1</translation>
    </message>
    <message>
        <source>If you enjoy using %1, would you mind taking a moment to rate it? It won&apos;t take more than a minute. Thanks for your support!</source>
        <translation>Если вам нравится %1, не могли бы вы уделить минутку и оценить его? Это займёт не больше минуты. Спасибо за поддержку!</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Оценить сейчас</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Напомнить позже</translation>
    </message>
    <message>
        <source>The store page cannot be opened on this computer.</source>
        <translation>На этом компьютере не удаётся открыть страницу магазина.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>SpectrumCompView</name>
    <message>
        <source>Original Voice</source>
        <translation>Оригинальный голос</translation>
    </message>
    <message>
        <source>My Voice</source>
        <translation>Мой голос</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Оценка</translation>
    </message>
</context>
<context>
    <name>WordWriteView</name>
    <message>
        <source>Redo</source>
        <translation>Заново</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Отправить</translation>
    </message>
</context>
<context>
    <name>ZQPSRecognizer</name>
    <message>
        <source>No voice detected</source>
        <translation>Голос не обнаружен</translation>
    </message>
    <message>
        <source>No correct words detected</source>
        <translation>Правильные слова не распознаны</translation>
    </message>
    <message>
        <source>Problems a bit in word sequence</source>
        <translation>Небольшие проблемы с порядком слов</translation>
    </message>
</context>
</TS>
