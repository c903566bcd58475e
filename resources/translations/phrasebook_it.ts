<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
        <translation>Ascolta la frase</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>Finito</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Invia</translation>
    </message>
</context>
<context>
    <name>MailComposer</name>
    <message>
        <source>New Message</source>
        <translation>Nuovo messaggio</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>A:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Oggetto:</translation>
    </message>
    <message>
        <source>Send passes the message to your mail program.</source>
        <translation>Invia passa il messaggio al tuo programma di posta.</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>Categorized Phrases</source>
        <translation>Frasi per categoria</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
</context>
<context>
    <name>HoldToRecord</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Apri impostazioni</translation>
    </message>
    <message>
        <source>No microphone was found.</source>
        <translation>Nessun microfono trovato.</translation>
    </message>
    <message>
        <source>No sound settings program was found. Connect a microphone, make sure the computer&apos;s sound service is running, then hold the microphone button again.</source>
        <translation>Non è stato trovato alcun programma per le impostazioni audio. Collega un microfono, verifica che il servizio audio del computer sia attivo, poi tieni di nuovo premuto il pulsante del microfono.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>Tieni premuto per parlare.</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Registrazione</translation>
    </message>
</context>
<context>
    <name>PhraseCardVC</name>
    <message>
        <source>Play the phrase</source>
        <translation>Ascolta la frase</translation>
    </message>
    <message>
        <source>Hold to record your voice</source>
        <translation>Tieni premuto per registrare la tua voce</translation>
    </message>
    <message>
        <source>Write the phrase</source>
        <translation>Scrivi la frase</translation>
    </message>
    <message>
        <source>Hide the phrase</source>
        <translation>Nascondi la frase</translation>
    </message>
    <message>
        <source>Show the phrase</source>
        <translation>Mostra la frase</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>Frase precedente</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>Frase successiva</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakResultCellView</name>
    <message>
        <source>Show Voiceprint</source>
        <translation>Mostra impronta vocale</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakVC</name>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>Tieni premuto per parlare.</translation>
    </message>
</context>
<context>
    <name>PhrasebookApplication</name>
    <message>
        <source>Phrasebook cannot start</source>
        <translation>Impossibile avviare Phrasebook</translation>
    </message>
    <message>
        <source>The installed content is damaged:</source>
        <translation>Il contenuto installato è danneggiato:</translation>
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
        <translation>Ascolta e scegli</translation>
    </message>
    <message>
        <source>Listen And Write</source>
        <translation>Ascolta e scrivi</translation>
    </message>
    <message>
        <source>Reorder Words</source>
        <translation>Riordina le parole</translation>
    </message>
    <message>
        <source>Read Phrase</source>
        <translation>Leggi la frase</translation>
    </message>
    <message>
        <source>Foreign Language -&gt; Mother Language</source>
        <translation>Lingua straniera -&gt; Lingua madre</translation>
    </message>
    <message>
        <source>Mother Language -&gt; Foreign Language</source>
        <translation>Lingua madre -&gt; Lingua straniera</translation>
    </message>
    <message>
        <source>Unit Quiz</source>
        <translation>Quiz del tema</translation>
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
        <translation>Valuta %1</translation>
    </message>
    <message>
        <source>If you enjoy using %1, would you mind taking a moment to rate it? It won&apos;t take more than a minute. Thanks for your support!</source>
        <translation>Se ti piace usare %1, ti dispiacerebbe dedicare un momento a valutarlo? Non ci vorrà più di un minuto. Grazie per il tuo supporto!</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Valuta ora</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Ricordamelo più tardi</translation>
    </message>
    <message>
        <source>The store page cannot be opened on this computer.</source>
        <translation>Impossibile aprire la pagina dello store su questo computer.</translation>
    </message>
</context>
<context>
    <name>SettingViewController</name>
    <message>
        <source>XP</source>
        <translation>Esperienza</translation>
    </message>
    <message>
        <source>Play Speed</source>
        <translation>Velocità di riproduzione</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>Durata del quiz</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Svuota cache</translation>
    </message>
    <message>
        <source>Word Feedback</source>
        <translation>Feedback sulle parole</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>More App</source>
        <translation>Altre app</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>Valuta l&apos;app</translation>
    </message>
    <message>
        <source>Share App</source>
        <translation>Condividi l&apos;app</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sei sicuro?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Some advices on the APP</source>
        <translation>Alcuni suggerimenti sull&apos;app</translation>
    </message>
    <message>
        <source>Sent successfully</source>
        <translation>Inviato correttamente</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>Invio non riuscito</translation>
    </message>
    <message>
        <source>shareMsg</source>
        <translation>Impara a parlare frasi inglesi di tutti i giorni con Phrasebook</translation>
    </message>
</context>
<context>
    <name>SharePanel</name>
    <message>
        <source>Copy link</source>
        <translation>Copia link</translation>
    </message>
    <message>
        <source>Send by mail</source>
        <translation>Invia per e-mail</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Impossibile avviare un programma di posta.</translation>
    </message>
</context>
<context>
    <name>SpectrumCompView</name>
    <message>
        <source>Original Voice</source>
        <translation>Voce originale</translation>
    </message>
    <message>
        <source>My Voice</source>
        <translation>La mia voce</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
</context>
<context>
    <name>TestDurPickerView</name>
    <message>
        <source>Test Duration</source>
        <translation>Durata del quiz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Nessun programma di questo computer può aprire %1.</translation>
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
        <translation>Esperienza</translation>
    </message>
    <message>
        <source>Start App</source>
        <translation>Avvii dell&apos;app</translation>
    </message>
    <message>
        <source>Listen Word</source>
        <translation>Ascolti</translation>
    </message>
    <message>
        <source>Write Word</source>
        <translation>Scrittura</translation>
    </message>
    <message>
        <source>Read Word</source>
        <translation>Lettura ad alta voce</translation>
    </message>
    <message>
        <source>Quiz Times</source>
        <translation>Quiz completati</translation>
    </message>
    <message>
        <source>Quiz Score</source>
        <translation>Punteggio dei quiz</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>Valuta l&apos;app</translation>
    </message>
</context>
<context>
    <name>WordOrderAdjustVC</name>
    <message>
        <source>Drag the word to reorder it.</source>
        <translation>Trascina la parola per riordinarla.</translation>
    </message>
</context>
<context>
    <name>WordStripView</name>
    <message>
        <source>not heard</source>
        <translation>non sentita</translation>
    </message>
    <message>
        <source>/%1/ sounded like /%2/</source>
        <translation>/%1/ è suonato come /%2/</translation>
    </message>
    <message>
        <source>/%1/ is unclear</source>
        <translation>/%1/ non è chiaro</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>da esercitare</translation>
    </message>
    <message>
        <source>Tap to hear your voice, then the original voice.</source>
        <translation>Tocca per ascoltare la tua voce e poi la voce originale.</translation>
    </message>
    <message>
        <source>Tap to hear your voice.</source>
        <translation>Tocca per ascoltare la tua voce.</translation>
    </message>
    <message>
        <source>Tap to hear the original voice.</source>
        <translation>Tocca per ascoltare la voce originale.</translation>
    </message>
</context>
<context>
    <name>WordWriteView</name>
    <message>
        <source>Redo</source>
        <translation>Rifai</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Invia</translation>
    </message>
</context>
<context>
    <name>ZQPSRecognizer</name>
    <message>
        <source>No voice detected</source>
        <translation>Nessuna voce rilevata</translation>
    </message>
    <message>
        <source>No correct words detected</source>
        <translation>Nessuna parola corretta rilevata</translation>
    </message>
    <message>
        <source>Problems a bit in word sequence</source>
        <translation>Qualche problema nell&apos;ordine delle parole</translation>
    </message>
</context>
<context>
    <name>ZQToolBarView</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
</context>
<context>
    <name>ZQPopView</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
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
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>Frase precedente</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>Frase successiva</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Più lento</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Più veloce</translation>
    </message>
    <message>
        <source>Play the list once</source>
        <translation>Riproduci la lista una volta</translation>
    </message>
    <message>
        <source>Repeat this phrase</source>
        <translation>Ripeti questa frase</translation>
    </message>
    <message>
        <source>Repeat the list</source>
        <translation>Ripeti la lista</translation>
    </message>
</context>
</TS>
