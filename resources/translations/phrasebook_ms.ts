<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms" sourcelanguage="en">
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
        <translation>Main frasa</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Kemajuan</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skor</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>Tamat</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Hantar</translation>
    </message>
</context>
<context>
    <name>MailComposer</name>
    <message>
        <source>New Message</source>
        <translation>Mesej baharu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Hantar</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Kepada:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Subjek:</translation>
    </message>
    <message>
        <source>Send passes the message to your mail program.</source>
        <translation>Hantar menyerahkan mesej kepada program mel anda.</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>Categorized Phrases</source>
        <translation>Frasa Mengikut Kategori</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>Kuiz</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Tetapan</translation>
    </message>
</context>
<context>
    <name>HoldToRecord</name>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Buka Tetapan</translation>
    </message>
    <message>
        <source>No microphone was found.</source>
        <translation>Tiada mikrofon ditemui.</translation>
    </message>
    <message>
        <source>No sound settings program was found. Connect a microphone, make sure the computer&apos;s sound service is running, then hold the microphone button again.</source>
        <translation>Tiada program tetapan bunyi ditemui. Sambungkan mikrofon, pastikan perkhidmatan bunyi komputer sedang berjalan, kemudian tekan dan tahan butang mikrofon sekali lagi.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>Tekan dan tahan untuk bercakap.</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Merakam</translation>
    </message>
</context>
<context>
    <name>PhraseCardVC</name>
    <message>
        <source>Play the phrase</source>
        <translation>Main frasa</translation>
    </message>
    <message>
        <source>Hold to record your voice</source>
        <translation>Tekan dan tahan untuk merakam suara anda</translation>
    </message>
    <message>
        <source>Write the phrase</source>
        <translation>Tulis frasa</translation>
    </message>
    <message>
        <source>Hide the phrase</source>
        <translation>Sembunyikan frasa</translation>
    </message>
    <message>
        <source>Show the phrase</source>
        <translation>Tunjukkan frasa</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>Frasa sebelumnya</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>Frasa seterusnya</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakResultCellView</name>
    <message>
        <source>Show Voiceprint</source>
        <translation>Tunjuk Cetakan Suara</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakVC</name>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>Tekan dan tahan untuk bercakap.</translation>
    </message>
</context>
<context>
    <name>PhrasebookApplication</name>
    <message>
        <source>Phrasebook cannot start</source>
        <translation>Phrasebook tidak dapat dimulakan</translation>
    </message>
    <message>
        <source>The installed content is damaged:</source>
        <translation>Kandungan yang dipasang rosak:</translation>
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
        <translation>Dengar dan pilih</translation>
    </message>
    <message>
        <source>Listen And Write</source>
        <translation>Dengar dan tulis</translation>
    </message>
    <message>
        <source>Reorder Words</source>
        <translation>Susun semula perkataan</translation>
    </message>
    <message>
        <source>Read Phrase</source>
        <translation>Baca frasa</translation>
    </message>
    <message>
        <source>Foreign Language -&gt; Mother Language</source>
        <translation>Bahasa asing -&gt; Bahasa ibunda</translation>
    </message>
    <message>
        <source>Mother Language -&gt; Foreign Language</source>
        <translation>Bahasa ibunda -&gt; Bahasa asing</translation>
    </message>
    <message>
        <source>Unit Quiz</source>
        <translation>Kuiz unit</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>Kuiz</translation>
    </message>
</context>
<context>
    <name>RatingPrompt</name>
    <message>
        <source>Rate %1</source>
        <translation>Nilai %1</translation>
    </message>
    <message>
        <source>If you enjoy using %1, would you mind taking a moment to rate it? It won&apos;t take more than a minute. Thanks for your support!</source>
        <translation>Jika anda suka menggunakan %1, sudikah anda meluangkan sedikit masa untuk menilainya? Ia tidak akan mengambil masa lebih daripada seminit. Terima kasih atas sokongan anda!</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Nilai Sekarang</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Ingatkan Saya Nanti</translation>
    </message>
    <message>
        <source>The store page cannot be opened on this computer.</source>
        <translation>Halaman kedai tidak dapat dibuka pada komputer ini.</translation>
    </message>
</context>
<context>
    <name>SettingViewController</name>
    <message>
        <source>XP</source>
        <translation>Mata pengalaman</translation>
    </message>
    <message>
        <source>Play Speed</source>
        <translation>Kelajuan main</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>Tempoh ujian</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Kosongkan cache</translation>
    </message>
    <message>
        <source>Word Feedback</source>
        <translation>Maklum Balas Perkataan</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Maklum balas</translation>
    </message>
    <message>
        <source>More App</source>
        <translation>Lagi aplikasi</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>Ulas aplikasi</translation>
    </message>
    <message>
        <source>Share App</source>
        <translation>Kongsi aplikasi</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Tetapan</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Adakah anda pasti?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Some advices on the APP</source>
        <translation>Beberapa cadangan tentang aplikasi</translation>
    </message>
    <message>
        <source>Sent successfully</source>
        <translation>Berjaya dihantar</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>Gagal dihantar</translation>
    </message>
    <message>
        <source>shareMsg</source>
        <translation>Belajar bertutur frasa harian bahasa Inggeris dengan Phrasebook</translation>
    </message>
</context>
<context>
    <name>SharePanel</name>
    <message>
        <source>Copy link</source>
        <translation>Salin pautan</translation>
    </message>
    <message>
        <source>Send by mail</source>
        <translation>Hantar melalui e-mel</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Tiada program mel dapat dimulakan.</translation>
    </message>
</context>
<context>
    <name>SpectrumCompView</name>
    <message>
        <source>Original Voice</source>
        <translation>Suara Asal</translation>
    </message>
    <message>
        <source>My Voice</source>
        <translation>Suara Saya</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skor</translation>
    </message>
</context>
<context>
    <name>TestDurPickerView</name>
    <message>
        <source>Test Duration</source>
        <translation>Tempoh ujian</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
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
        <translation>Tiada program pada komputer ini yang boleh membuka %1.</translation>
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
        <translation>Mata pengalaman</translation>
    </message>
    <message>
        <source>Start App</source>
        <translation>Buka aplikasi</translation>
    </message>
    <message>
        <source>Listen Word</source>
        <translation>Dengar</translation>
    </message>
    <message>
        <source>Write Word</source>
        <translation>Tulis</translation>
    </message>
    <message>
        <source>Read Word</source>
        <translation>Baca</translation>
    </message>
    <message>
        <source>Quiz Times</source>
        <translation>Bilangan kuiz</translation>
    </message>
    <message>
        <source>Quiz Score</source>
        <translation>Skor kuiz</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>Ulas aplikasi</translation>
    </message>
</context>
<context>
    <name>WordOrderAdjustVC</name>
    <message>
        <source>Drag the word to reorder it.</source>
        <translation>Seret perkataan untuk menyusunnya semula.</translation>
    </message>
</context>
<context>
    <name>WordStripView</name>
    <message>
        <source>not heard</source>
        <translation>tidak kedengaran</translation>
    </message>
    <message>
        <source>/%1/ sounded like /%2/</source>
        <translation>/%1/ kedengaran seperti /%2/</translation>
    </message>
    <message>
        <source>/%1/ is unclear</source>
        <translation>/%1/ kurang jelas</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>perlu latihan</translation>
    </message>
    <message>
        <source>Tap to hear your voice, then the original voice.</source>
        <translation>Ketik untuk mendengar suara anda, kemudian suara asal.</translation>
    </message>
    <message>
        <source>Tap to hear your voice.</source>
        <translation>Ketik untuk mendengar suara anda.</translation>
    </message>
    <message>
        <source>Tap to hear the original voice.</source>
        <translation>Ketik untuk mendengar suara asal.</translation>
    </message>
</context>
<context>
    <name>WordWriteView</name>
    <message>
        <source>Redo</source>
        <translation>Buat Semula</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Hantar</translation>
    </message>
</context>
<context>
    <name>ZQPSRecognizer</name>
    <message>
        <source>No voice detected</source>
        <translation>Tiada suara dikesan</translation>
    </message>
    <message>
        <source>No correct words detected</source>
        <translation>Tiada perkataan betul dikesan</translation>
    </message>
    <message>
        <source>Problems a bit in word sequence</source>
        <translation>Sedikit masalah dalam susunan perkataan</translation>
    </message>
</context>
<context>
    <name>ZQToolBarView</name>
    <message>
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
</context>
<context>
    <name>ZQPopView</name>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
</context>
<context>
    <name>CategoryController</name>
    <message>
        <source>Quizzes</source>
        <translation>Kuiz</translation>
    </message>
</context>
<context>
    <name>ZQPlayerBox</name>
    <message>
        <source>Play</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Jeda</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Henti</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>Frasa sebelumnya</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>Frasa seterusnya</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Lebih perlahan</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Lebih laju</translation>
    </message>
    <message>
        <source>Play the list once</source>
        <translation>Main senarai sekali</translation>
    </message>
    <message>
        <source>Repeat this phrase</source>
        <translation>Ulang frasa ini</translation>
    </message>
    <message>
        <source>Repeat the list</source>
        <translation>Ulang senarai</translation>
    </message>
</context>
</TS>
