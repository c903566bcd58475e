<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <translation>Satz abspielen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punktzahl</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Absenden</translation>
    </message>
</context>
<context>
    <name>MailComposer</name>
    <message>
        <source>New Message</source>
        <translation>Neue Nachricht</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>An:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Betreff:</translation>
    </message>
    <message>
        <source>Send passes the message to your mail program.</source>
        <translation>Senden übergibt die Nachricht an dein E-Mail-Programm.</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>Categorized Phrases</source>
        <translation>Sätze nach Themen</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>HoldToRecord</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>No microphone was found.</source>
        <translation>Es wurde kein Mikrofon gefunden.</translation>
    </message>
    <message>
        <source>No sound settings program was found. Connect a microphone, make sure the computer&apos;s sound service is running, then hold the microphone button again.</source>
        <translation>Es wurde kein Programm für die Toneinstellungen gefunden. Schließen Sie ein Mikrofon an, prüfen Sie, ob der Sounddienst des Computers läuft, und halten Sie dann die Mikrofontaste erneut gedrückt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>Zum Sprechen gedrückt halten.</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
</context>
<context>
    <name>PhraseCardVC</name>
    <message>
        <source>Play the phrase</source>
        <translation>Satz abspielen</translation>
    </message>
    <message>
        <source>Hold to record your voice</source>
        <translation>Gedrückt halten, um Ihre Stimme aufzunehmen</translation>
    </message>
    <message>
        <source>Write the phrase</source>
        <translation>Satz schreiben</translation>
    </message>
    <message>
        <source>Hide the phrase</source>
        <translation>Satz ausblenden</translation>
    </message>
    <message>
        <source>Show the phrase</source>
        <translation>Satz einblenden</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>Vorheriger Satz</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>Nächster Satz</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakResultCellView</name>
    <message>
        <source>Show Voiceprint</source>
        <translation>Stimmabdruck zeigen</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakVC</name>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>Gedrückt halten zum Sprechen.</translation>
    </message>
</context>
<context>
    <name>PhrasebookApplication</name>
    <message>
        <source>Phrasebook cannot start</source>
        <translation>Phrasebook kann nicht starten</translation>
    </message>
    <message>
        <source>The installed content is damaged:</source>
        <translation>Die installierten Inhalte sind beschädigt:</translation>
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
        <translation>Hören und auswählen</translation>
    </message>
    <message>
        <source>Listen And Write</source>
        <translation>Hören und schreiben</translation>
    </message>
    <message>
        <source>Reorder Words</source>
        <translation>Wörter ordnen</translation>
    </message>
    <message>
        <source>Read Phrase</source>
        <translation>Satz vorlesen</translation>
    </message>
    <message>
        <source>Foreign Language -&gt; Mother Language</source>
        <translation>Fremdsprache -&gt; Muttersprache</translation>
    </message>
    <message>
        <source>Mother Language -&gt; Foreign Language</source>
        <translation>Muttersprache -&gt; Fremdsprache</translation>
    </message>
    <message>
        <source>Unit Quiz</source>
        <translation>Themen-Quiz</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>Quiz</translation>
    </message>
</context>
<context>
    <name>RatingPrompt</name>
    <message>
        <source>Rate %1</source>
        <translation>%1 bewerten</translation>
    </message>
    <message>
        <source>If you enjoy using %1, would you mind taking a moment to rate it? It won&apos;t take more than a minute. Thanks for your support!</source>
        <translation>Wenn Ihnen %1 gefällt, würden Sie es kurz bewerten? Es dauert nicht länger als eine Minute. Danke für Ihre Unterstützung!</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Jetzt bewerten</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Später erinnern</translation>
    </message>
    <message>
        <source>The store page cannot be opened on this computer.</source>
        <translation>Die Store-Seite kann auf diesem Computer nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>SettingViewController</name>
    <message>
        <source>XP</source>
        <translation>Erfahrung</translation>
    </message>
    <message>
        <source>Play Speed</source>
        <translation>Wiedergabetempo</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>Quizdauer</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Cache leeren</translation>
    </message>
    <message>
        <source>Word Feedback</source>
        <translation>Wort-Rückmeldung</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>More App</source>
        <translation>Weitere Apps</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>App bewerten</translation>
    </message>
    <message>
        <source>Share App</source>
        <translation>App teilen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Bist du sicher?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Some advices on the APP</source>
        <translation>Einige Vorschläge zur App</translation>
    </message>
    <message>
        <source>Sent successfully</source>
        <translation>Erfolgreich gesendet</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>Senden fehlgeschlagen</translation>
    </message>
    <message>
        <source>shareMsg</source>
        <translation>Lerne mit Phrasebook, englische Alltagssätze zu sprechen</translation>
    </message>
</context>
<context>
    <name>SharePanel</name>
    <message>
        <source>Copy link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Send by mail</source>
        <translation>Per E-Mail senden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Es konnte kein E-Mail-Programm gestartet werden.</translation>
    </message>
</context>
<context>
    <name>SpectrumCompView</name>
    <message>
        <source>Original Voice</source>
        <translation>Originalstimme</translation>
    </message>
    <message>
        <source>My Voice</source>
        <translation>Meine Stimme</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punktzahl</translation>
    </message>
</context>
<context>
    <name>TestDurPickerView</name>
    <message>
        <source>Test Duration</source>
        <translation>Quizdauer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Kein Programm auf diesem Computer kann %1 öffnen.</translation>
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
        <translation>Erfahrung</translation>
    </message>
    <message>
        <source>Start App</source>
        <translation>App-Starts</translation>
    </message>
    <message>
        <source>Listen Word</source>
        <translation>Hören</translation>
    </message>
    <message>
        <source>Write Word</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Read Word</source>
        <translation>Vorlesen</translation>
    </message>
    <message>
        <source>Quiz Times</source>
        <translation>Abgeschlossene Quiz</translation>
    </message>
    <message>
        <source>Quiz Score</source>
        <translation>Quizpunkte</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>App bewerten</translation>
    </message>
</context>
<context>
    <name>WordOrderAdjustVC</name>
    <message>
        <source>Drag the word to reorder it.</source>
        <translation>Ziehe das Wort, um es umzustellen.</translation>
    </message>
</context>
<context>
    <name>WordStripView</name>
    <message>
        <source>not heard</source>
        <translation>nicht gehört</translation>
    </message>
    <message>
        <source>/%1/ sounded like /%2/</source>
        <translation>/%1/ klang wie /%2/</translation>
    </message>
    <message>
        <source>/%1/ is unclear</source>
        <translation>/%1/ ist undeutlich</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>noch üben</translation>
    </message>
    <message>
        <source>Tap to hear your voice, then the original voice.</source>
        <translation>Tippen: erst die eigene Stimme, dann die Originalstimme.</translation>
    </message>
    <message>
        <source>Tap to hear your voice.</source>
        <translation>Tippen, um die eigene Stimme zu hören.</translation>
    </message>
    <message>
        <source>Tap to hear the original voice.</source>
        <translation>Tippen, um die Originalstimme zu hören.</translation>
    </message>
</context>
<context>
    <name>WordWriteView</name>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Absenden</translation>
    </message>
</context>
<context>
    <name>ZQPSRecognizer</name>
    <message>
        <source>No voice detected</source>
        <translation>Keine Stimme erkannt</translation>
    </message>
    <message>
        <source>No correct words detected</source>
        <translation>Keine richtigen Wörter erkannt</translation>
    </message>
    <message>
        <source>Problems a bit in word sequence</source>
        <translation>Kleine Probleme bei der Wortreihenfolge</translation>
    </message>
</context>
<context>
    <name>ZQToolBarView</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>ZQPopView</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CategoryController</name>
    <message>
        <source>Quizzes</source>
        <translation>Quiz</translation>
    </message>
</context>
<context>
    <name>ZQPlayerBox</name>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>Vorheriger Satz</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>Nächster Satz</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Langsamer</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Schneller</translation>
    </message>
    <message>
        <source>Play the list once</source>
        <translation>Liste einmal abspielen</translation>
    </message>
    <message>
        <source>Repeat this phrase</source>
        <translation>Diesen Satz wiederholen</translation>
    </message>
    <message>
        <source>Repeat the list</source>
        <translation>Liste wiederholen</translation>
    </message>
</context>
</TS>
