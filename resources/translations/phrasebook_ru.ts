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
        <source>Play the phrase</source>
        <translation>Прослушать фразу</translation>
    </message>
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
    <name>MailComposer</name>
    <message>
        <source>New Message</source>
        <translation>Новое сообщение</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Кому:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Тема:</translation>
    </message>
    <message>
        <source>Send passes the message to your mail program.</source>
        <translation>Кнопка «Отправить» передаёт сообщение вашей почтовой программе.</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>Categorized Phrases</source>
        <translation>Фразы по темам</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>Тесты</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>HoldToRecord</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Открыть настройки</translation>
    </message>
    <message>
        <source>No microphone was found.</source>
        <translation>Микрофон не найден.</translation>
    </message>
    <message>
        <source>No sound settings program was found. Connect a microphone, make sure the computer&apos;s sound service is running, then hold the microphone button again.</source>
        <translation>Программа настройки звука не найдена. Подключите микрофон, убедитесь, что звуковая служба компьютера запущена, и снова нажмите и удерживайте кнопку микрофона.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>Нажмите и удерживайте, чтобы говорить.</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Запись</translation>
    </message>
</context>
<context>
    <name>PhraseCardVC</name>
    <message>
        <source>Play the phrase</source>
        <translation>Прослушать фразу</translation>
    </message>
    <message>
        <source>Hold to record your voice</source>
        <translation>Удерживайте, чтобы записать свой голос</translation>
    </message>
    <message>
        <source>Write the phrase</source>
        <translation>Написать фразу</translation>
    </message>
    <message>
        <source>Hide the phrase</source>
        <translation>Скрыть фразу</translation>
    </message>
    <message>
        <source>Show the phrase</source>
        <translation>Показать фразу</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>Предыдущая фраза</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>Следующая фраза</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakResultCellView</name>
    <message>
        <source>Show Voiceprint</source>
        <translation>Показать голосовой отпечаток</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakVC</name>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>Нажмите и удерживайте, чтобы говорить.</translation>
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
</context>
<context>
    <name>SettingViewController</name>
    <message>
        <source>XP</source>
        <translation>Опыт</translation>
    </message>
    <message>
        <source>Play Speed</source>
        <translation>Скорость воспроизведения</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>Время теста</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Очистить кэш</translation>
    </message>
    <message>
        <source>Word Feedback</source>
        <translation>Подсказки по словам</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Обратная связь</translation>
    </message>
    <message>
        <source>More App</source>
        <translation>Другие приложения</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>Оценить приложение</translation>
    </message>
    <message>
        <source>Share App</source>
        <translation>Поделиться приложением</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Вы уверены?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Some advices on the APP</source>
        <translation>Несколько советов по приложению</translation>
    </message>
    <message>
        <source>Sent successfully</source>
        <translation>Успешно отправлено</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>Не удалось отправить</translation>
    </message>
    <message>
        <source>shareMsg</source>
        <translation>Учитесь говорить повседневные английские фразы с Phrasebook</translation>
    </message>
</context>
<context>
    <name>SharePanel</name>
    <message>
        <source>Copy link</source>
        <translation>Копировать ссылку</translation>
    </message>
    <message>
        <source>Send by mail</source>
        <translation>Отправить по почте</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Не удалось запустить почтовую программу.</translation>
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
    <name>TestDurPickerView</name>
    <message>
        <source>Test Duration</source>
        <translation>Время теста</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>No program on this computer can open %1.</source>
        <translation>На этом компьютере нет программы, которая может открыть %1.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>UserInfoVC</name>
    <message>
        <source>XP</source>
        <translation>Опыт</translation>
    </message>
    <message>
        <source>Start App</source>
        <translation>Запуски приложения</translation>
    </message>
    <message>
        <source>Listen Word</source>
        <translation>Прослушивание</translation>
    </message>
    <message>
        <source>Write Word</source>
        <translation>Письмо</translation>
    </message>
    <message>
        <source>Read Word</source>
        <translation>Чтение вслух</translation>
    </message>
    <message>
        <source>Quiz Times</source>
        <translation>Пройдено тестов</translation>
    </message>
    <message>
        <source>Quiz Score</source>
        <translation>Баллы за тесты</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>Оценить приложение</translation>
    </message>
</context>
<context>
    <name>WordOrderAdjustVC</name>
    <message>
        <source>Drag the word to reorder it.</source>
        <translation>Перетащите слово, чтобы изменить порядок.</translation>
    </message>
</context>
<context>
    <name>WordStripView</name>
    <message>
        <source>not heard</source>
        <translation>не слышно</translation>
    </message>
    <message>
        <source>/%1/ sounded like /%2/</source>
        <translation>/%1/ прозвучал как /%2/</translation>
    </message>
    <message>
        <source>/%1/ is unclear</source>
        <translation>/%1/ звучит нечётко</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>нужно потренировать</translation>
    </message>
    <message>
        <source>Tap to hear your voice, then the original voice.</source>
        <translation>Нажмите, чтобы услышать свой голос, а затем оригинальный.</translation>
    </message>
    <message>
        <source>Tap to hear your voice.</source>
        <translation>Нажмите, чтобы услышать свой голос.</translation>
    </message>
    <message>
        <source>Tap to hear the original voice.</source>
        <translation>Нажмите, чтобы услышать оригинальный голос.</translation>
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
<context>
    <name>ZQToolBarView</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
</context>
<context>
    <name>ZQPopView</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>CategoryController</name>
    <message>
        <source>Quizzes</source>
        <translation>Тесты</translation>
    </message>
</context>
<context>
    <name>ZQPlayerBox</name>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>Предыдущая фраза</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>Следующая фраза</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Медленнее</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Быстрее</translation>
    </message>
    <message>
        <source>Play the list once</source>
        <translation>Воспроизвести список один раз</translation>
    </message>
    <message>
        <source>Repeat this phrase</source>
        <translation>Повторять эту фразу</translation>
    </message>
    <message>
        <source>Repeat the list</source>
        <translation>Повторять список</translation>
    </message>
</context>
</TS>
