<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
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
        <translation>문장 재생</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>진행</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>점수</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>제출</translation>
    </message>
</context>
<context>
    <name>MailComposer</name>
    <message>
        <source>New Message</source>
        <translation>새로운 메시지</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>보내기</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>받는 사람:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>제목:</translation>
    </message>
    <message>
        <source>Send passes the message to your mail program.</source>
        <translation>보내기를 누르면 메일 프로그램으로 메시지가 전달됩니다.</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>Categorized Phrases</source>
        <translation>분류별 표현</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>퀴즈</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
</context>
<context>
    <name>HoldToRecord</name>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>설정 열기</translation>
    </message>
    <message>
        <source>No microphone was found.</source>
        <translation>마이크를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>No sound settings program was found. Connect a microphone, make sure the computer&apos;s sound service is running, then hold the microphone button again.</source>
        <translation>사운드 설정 프로그램을 찾을 수 없습니다. 마이크를 연결하고 컴퓨터의 사운드 서비스가 실행 중인지 확인한 다음 마이크 버튼을 다시 길게 누르세요.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>길게 눌러서 말하세요.</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>녹음 중</translation>
    </message>
</context>
<context>
    <name>PhraseCardVC</name>
    <message>
        <source>Play the phrase</source>
        <translation>문장 재생</translation>
    </message>
    <message>
        <source>Hold to record your voice</source>
        <translation>길게 눌러 목소리 녹음</translation>
    </message>
    <message>
        <source>Write the phrase</source>
        <translation>문장 쓰기</translation>
    </message>
    <message>
        <source>Hide the phrase</source>
        <translation>문장 숨기기</translation>
    </message>
    <message>
        <source>Show the phrase</source>
        <translation>문장 보이기</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>이전 문장</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>다음 문장</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakResultCellView</name>
    <message>
        <source>Show Voiceprint</source>
        <translation>성문 보기</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakVC</name>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>누른 채로 말하세요.</translation>
    </message>
</context>
<context>
    <name>PhrasebookApplication</name>
    <message>
        <source>Phrasebook cannot start</source>
        <translation>Phrasebook을(를) 시작할 수 없습니다</translation>
    </message>
    <message>
        <source>The installed content is damaged:</source>
        <translation>설치된 콘텐츠가 손상되었습니다:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>QuizOutlineVC</name>
    <message>
        <source>Listen And Select</source>
        <translation>듣고 고르기</translation>
    </message>
    <message>
        <source>Listen And Write</source>
        <translation>듣고 쓰기</translation>
    </message>
    <message>
        <source>Reorder Words</source>
        <translation>단어 순서 맞추기</translation>
    </message>
    <message>
        <source>Read Phrase</source>
        <translation>문장 읽기</translation>
    </message>
    <message>
        <source>Foreign Language -&gt; Mother Language</source>
        <translation>외국어 -&gt; 모국어</translation>
    </message>
    <message>
        <source>Mother Language -&gt; Foreign Language</source>
        <translation>모국어 -&gt; 외국어</translation>
    </message>
    <message>
        <source>Unit Quiz</source>
        <translation>단원 퀴즈</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>퀴즈</translation>
    </message>
</context>
<context>
    <name>RatingPrompt</name>
    <message>
        <source>Rate %1</source>
        <translation>%1 평가하기</translation>
    </message>
    <message>
        <source>If you enjoy using %1, would you mind taking a moment to rate it? It won&apos;t take more than a minute. Thanks for your support!</source>
        <translation>%1을(를) 즐겁게 사용하고 계신다면 잠시 시간을 내어 평가해 주시겠어요? 1분도 걸리지 않습니다. 응원해 주셔서 감사합니다!</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>지금 평가하기</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>나중에 알림</translation>
    </message>
    <message>
        <source>The store page cannot be opened on this computer.</source>
        <translation>이 컴퓨터에서는 스토어 페이지를 열 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>SettingViewController</name>
    <message>
        <source>XP</source>
        <translation>경험치</translation>
    </message>
    <message>
        <source>Play Speed</source>
        <translation>재생 속도</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>테스트 시간</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>캐시 지우기</translation>
    </message>
    <message>
        <source>Word Feedback</source>
        <translation>단어별 피드백</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>피드백</translation>
    </message>
    <message>
        <source>More App</source>
        <translation>더 많은 앱</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>앱 평가하기</translation>
    </message>
    <message>
        <source>Share App</source>
        <translation>앱 공유하기</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>확실합니까?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Some advices on the APP</source>
        <translation>앱에 대한 몇 가지 제안</translation>
    </message>
    <message>
        <source>Sent successfully</source>
        <translation>전송되었습니다</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>전송하지 못했습니다</translation>
    </message>
    <message>
        <source>shareMsg</source>
        <translation>Phrasebook으로 일상 영어 표현을 말해 보세요</translation>
    </message>
</context>
<context>
    <name>SharePanel</name>
    <message>
        <source>Copy link</source>
        <translation>링크 복사</translation>
    </message>
    <message>
        <source>Send by mail</source>
        <translation>메일로 보내기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>메일 프로그램을 실행할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>SpectrumCompView</name>
    <message>
        <source>Original Voice</source>
        <translation>원본 음성</translation>
    </message>
    <message>
        <source>My Voice</source>
        <translation>내 음성</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>점수</translation>
    </message>
</context>
<context>
    <name>TestDurPickerView</name>
    <message>
        <source>Test Duration</source>
        <translation>테스트 시간</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>No program on this computer can open %1.</source>
        <translation>이 컴퓨터에는 %1을(를) 열 수 있는 프로그램이 없습니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>UserInfoVC</name>
    <message>
        <source>XP</source>
        <translation>경험치</translation>
    </message>
    <message>
        <source>Start App</source>
        <translation>앱 실행</translation>
    </message>
    <message>
        <source>Listen Word</source>
        <translation>듣기</translation>
    </message>
    <message>
        <source>Write Word</source>
        <translation>쓰기</translation>
    </message>
    <message>
        <source>Read Word</source>
        <translation>읽기</translation>
    </message>
    <message>
        <source>Quiz Times</source>
        <translation>퀴즈 횟수</translation>
    </message>
    <message>
        <source>Quiz Score</source>
        <translation>퀴즈 점수</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>앱 평가하기</translation>
    </message>
</context>
<context>
    <name>WordOrderAdjustVC</name>
    <message>
        <source>Drag the word to reorder it.</source>
        <translation>단어를 끌어서 순서를 바꾸세요.</translation>
    </message>
</context>
<context>
    <name>WordStripView</name>
    <message>
        <source>not heard</source>
        <translation>들리지 않음</translation>
    </message>
    <message>
        <source>/%1/ sounded like /%2/</source>
        <translation>/%1/이(가) /%2/처럼 들림</translation>
    </message>
    <message>
        <source>/%1/ is unclear</source>
        <translation>/%1/ 발음이 불분명함</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>연습 필요</translation>
    </message>
    <message>
        <source>Tap to hear your voice, then the original voice.</source>
        <translation>탭하면 내 음성, 이어서 원본 음성을 들려줍니다.</translation>
    </message>
    <message>
        <source>Tap to hear your voice.</source>
        <translation>탭하면 내 음성을 들려줍니다.</translation>
    </message>
    <message>
        <source>Tap to hear the original voice.</source>
        <translation>탭하면 원본 음성을 들려줍니다.</translation>
    </message>
</context>
<context>
    <name>WordWriteView</name>
    <message>
        <source>Redo</source>
        <translation>다시 하기</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>제출</translation>
    </message>
</context>
<context>
    <name>ZQPSRecognizer</name>
    <message>
        <source>No voice detected</source>
        <translation>음성이 감지되지 않았습니다</translation>
    </message>
    <message>
        <source>No correct words detected</source>
        <translation>올바른 단어가 감지되지 않았습니다</translation>
    </message>
    <message>
        <source>Problems a bit in word sequence</source>
        <translation>단어 순서에 약간 문제가 있습니다</translation>
    </message>
</context>
<context>
    <name>ZQToolBarView</name>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
</context>
<context>
    <name>ZQPopView</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>CategoryController</name>
    <message>
        <source>Quizzes</source>
        <translation>퀴즈</translation>
    </message>
</context>
<context>
    <name>ZQPlayerBox</name>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시정지</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>이전 문장</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>다음 문장</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>느리게</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>빠르게</translation>
    </message>
    <message>
        <source>Play the list once</source>
        <translation>목록을 한 번 재생</translation>
    </message>
    <message>
        <source>Repeat this phrase</source>
        <translation>이 문장 반복</translation>
    </message>
    <message>
        <source>Repeat the list</source>
        <translation>목록 반복</translation>
    </message>
</context>
</TS>
