<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
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
        <translation>Ouvir a frase</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Enviar</translation>
    </message>
</context>
<context>
    <name>MailComposer</name>
    <message>
        <source>New Message</source>
        <translation>Nova mensagem</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Para:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Assunto:</translation>
    </message>
    <message>
        <source>Send passes the message to your mail program.</source>
        <translation>Enviar passa a mensagem para o seu programa de e-mail.</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>Categorized Phrases</source>
        <translation>Frases por categoria</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>Testes</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
</context>
<context>
    <name>HoldToRecord</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Abrir configurações</translation>
    </message>
    <message>
        <source>No microphone was found.</source>
        <translation>Nenhum microfone foi encontrado.</translation>
    </message>
    <message>
        <source>No sound settings program was found. Connect a microphone, make sure the computer&apos;s sound service is running, then hold the microphone button again.</source>
        <translation>Nenhum programa de configurações de som foi encontrado. Conecte um microfone, verifique se o serviço de som do computador está em execução e mantenha pressionado o botão do microfone novamente.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>Toque e segure para falar.</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Gravando</translation>
    </message>
</context>
<context>
    <name>PhraseCardVC</name>
    <message>
        <source>Play the phrase</source>
        <translation>Ouvir a frase</translation>
    </message>
    <message>
        <source>Hold to record your voice</source>
        <translation>Segure para gravar sua voz</translation>
    </message>
    <message>
        <source>Write the phrase</source>
        <translation>Escrever a frase</translation>
    </message>
    <message>
        <source>Hide the phrase</source>
        <translation>Ocultar a frase</translation>
    </message>
    <message>
        <source>Show the phrase</source>
        <translation>Mostrar a frase</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>Frase anterior</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>Próxima frase</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakResultCellView</name>
    <message>
        <source>Show Voiceprint</source>
        <translation>Ver impressão vocal</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakVC</name>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>Toque e segure para falar.</translation>
    </message>
</context>
<context>
    <name>PhrasebookApplication</name>
    <message>
        <source>Phrasebook cannot start</source>
        <translation>O Phrasebook não pode ser iniciado</translation>
    </message>
    <message>
        <source>The installed content is damaged:</source>
        <translation>O conteúdo instalado está danificado:</translation>
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
        <translation>Ouvir e escolher</translation>
    </message>
    <message>
        <source>Listen And Write</source>
        <translation>Ouvir e escrever</translation>
    </message>
    <message>
        <source>Reorder Words</source>
        <translation>Ordenar as palavras</translation>
    </message>
    <message>
        <source>Read Phrase</source>
        <translation>Ler a frase</translation>
    </message>
    <message>
        <source>Foreign Language -&gt; Mother Language</source>
        <translation>Língua estrangeira -&gt; Língua materna</translation>
    </message>
    <message>
        <source>Mother Language -&gt; Foreign Language</source>
        <translation>Língua materna -&gt; Língua estrangeira</translation>
    </message>
    <message>
        <source>Unit Quiz</source>
        <translation>Teste do tema</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>Testes</translation>
    </message>
</context>
<context>
    <name>RatingPrompt</name>
    <message>
        <source>Rate %1</source>
        <translation>Avaliar o %1</translation>
    </message>
    <message>
        <source>If you enjoy using %1, would you mind taking a moment to rate it? It won&apos;t take more than a minute. Thanks for your support!</source>
        <translation>Se você gosta de usar o %1, poderia dedicar um momento para avaliá-lo? Não levará mais de um minuto. Obrigado pelo seu apoio!</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Avaliar agora</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Lembrar mais tarde</translation>
    </message>
    <message>
        <source>The store page cannot be opened on this computer.</source>
        <translation>Não é possível abrir a página da loja neste computador.</translation>
    </message>
</context>
<context>
    <name>SettingViewController</name>
    <message>
        <source>XP</source>
        <translation>Experiência</translation>
    </message>
    <message>
        <source>Play Speed</source>
        <translation>Velocidade de reprodução</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>Duração do teste</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Limpar cache</translation>
    </message>
    <message>
        <source>Word Feedback</source>
        <translation>Feedback por palavra</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Comentários</translation>
    </message>
    <message>
        <source>More App</source>
        <translation>Mais aplicativos</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>Avaliar o aplicativo</translation>
    </message>
    <message>
        <source>Share App</source>
        <translation>Compartilhar o aplicativo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Tem certeza?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Some advices on the APP</source>
        <translation>Algumas sugestões sobre o aplicativo</translation>
    </message>
    <message>
        <source>Sent successfully</source>
        <translation>Enviado com sucesso</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>Falha ao enviar</translation>
    </message>
    <message>
        <source>shareMsg</source>
        <translation>Aprenda a falar frases do dia a dia em inglês com o Phrasebook</translation>
    </message>
</context>
<context>
    <name>SharePanel</name>
    <message>
        <source>Copy link</source>
        <translation>Copiar link</translation>
    </message>
    <message>
        <source>Send by mail</source>
        <translation>Enviar por e-mail</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Não foi possível abrir nenhum programa de e-mail.</translation>
    </message>
</context>
<context>
    <name>SpectrumCompView</name>
    <message>
        <source>Original Voice</source>
        <translation>Voz original</translation>
    </message>
    <message>
        <source>My Voice</source>
        <translation>Minha voz</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
</context>
<context>
    <name>TestDurPickerView</name>
    <message>
        <source>Test Duration</source>
        <translation>Duração do teste</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Nenhum programa deste computador consegue abrir %1.</translation>
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
        <translation>Experiência</translation>
    </message>
    <message>
        <source>Start App</source>
        <translation>Aberturas do aplicativo</translation>
    </message>
    <message>
        <source>Listen Word</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>Write Word</source>
        <translation>Escrever</translation>
    </message>
    <message>
        <source>Read Word</source>
        <translation>Ler em voz alta</translation>
    </message>
    <message>
        <source>Quiz Times</source>
        <translation>Testes feitos</translation>
    </message>
    <message>
        <source>Quiz Score</source>
        <translation>Pontuação dos testes</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>Avaliar o aplicativo</translation>
    </message>
</context>
<context>
    <name>WordOrderAdjustVC</name>
    <message>
        <source>Drag the word to reorder it.</source>
        <translation>Arraste a palavra para reordená-la.</translation>
    </message>
</context>
<context>
    <name>WordStripView</name>
    <message>
        <source>not heard</source>
        <translation>não ouvida</translation>
    </message>
    <message>
        <source>/%1/ sounded like /%2/</source>
        <translation>/%1/ soou como /%2/</translation>
    </message>
    <message>
        <source>/%1/ is unclear</source>
        <translation>/%1/ não está claro</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>precisa de prática</translation>
    </message>
    <message>
        <source>Tap to hear your voice, then the original voice.</source>
        <translation>Toque para ouvir sua voz e depois a voz original.</translation>
    </message>
    <message>
        <source>Tap to hear your voice.</source>
        <translation>Toque para ouvir sua voz.</translation>
    </message>
    <message>
        <source>Tap to hear the original voice.</source>
        <translation>Toque para ouvir a voz original.</translation>
    </message>
</context>
<context>
    <name>WordWriteView</name>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Enviar</translation>
    </message>
</context>
<context>
    <name>ZQPSRecognizer</name>
    <message>
        <source>No voice detected</source>
        <translation>Nenhuma voz detectada</translation>
    </message>
    <message>
        <source>No correct words detected</source>
        <translation>Nenhuma palavra correta detectada</translation>
    </message>
    <message>
        <source>Problems a bit in word sequence</source>
        <translation>Alguns problemas na ordem das palavras</translation>
    </message>
</context>
<context>
    <name>ZQToolBarView</name>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>ZQPopView</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>CategoryController</name>
    <message>
        <source>Quizzes</source>
        <translation>Testes</translation>
    </message>
</context>
<context>
    <name>ZQPlayerBox</name>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>Frase anterior</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>Próxima frase</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Mais devagar</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Mais rápido</translation>
    </message>
    <message>
        <source>Play the list once</source>
        <translation>Reproduzir a lista uma vez</translation>
    </message>
    <message>
        <source>Repeat this phrase</source>
        <translation>Repetir esta frase</translation>
    </message>
    <message>
        <source>Repeat the list</source>
        <translation>Repetir a lista</translation>
    </message>
</context>
</TS>
