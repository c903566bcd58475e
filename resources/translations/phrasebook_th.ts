<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th" sourcelanguage="en">
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
        <translation>เล่นวลี</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>ความคืบหน้า</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>คะแนน</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>จบแล้ว</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>ส่ง</translation>
    </message>
</context>
<context>
    <name>MailComposer</name>
    <message>
        <source>New Message</source>
        <translation>ข้อความใหม่</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>ส่ง</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>ถึง:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>เรื่อง:</translation>
    </message>
    <message>
        <source>Send passes the message to your mail program.</source>
        <translation>ปุ่มส่งจะส่งข้อความไปยังโปรแกรมอีเมลของคุณ</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>Categorized Phrases</source>
        <translation>วลีตามหมวดหมู่</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>แบบทดสอบ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>การตั้งค่า</translation>
    </message>
</context>
<context>
    <name>HoldToRecord</name>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>เปิดการตั้งค่า</translation>
    </message>
    <message>
        <source>No microphone was found.</source>
        <translation>ไม่พบไมโครโฟน</translation>
    </message>
    <message>
        <source>No sound settings program was found. Connect a microphone, make sure the computer&apos;s sound service is running, then hold the microphone button again.</source>
        <translation>ไม่พบโปรแกรมตั้งค่าเสียง โปรดเชื่อมต่อไมโครโฟน ตรวจสอบว่าบริการเสียงของคอมพิวเตอร์ทำงานอยู่ แล้วกดปุ่มไมโครโฟนค้างไว้อีกครั้ง</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>กดค้างไว้เพื่อพูด</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>กำลังบันทึก</translation>
    </message>
</context>
<context>
    <name>PhraseCardVC</name>
    <message>
        <source>Play the phrase</source>
        <translation>เล่นวลี</translation>
    </message>
    <message>
        <source>Hold to record your voice</source>
        <translation>กดค้างไว้เพื่อบันทึกเสียงของคุณ</translation>
    </message>
    <message>
        <source>Write the phrase</source>
        <translation>เขียนวลี</translation>
    </message>
    <message>
        <source>Hide the phrase</source>
        <translation>ซ่อนวลี</translation>
    </message>
    <message>
        <source>Show the phrase</source>
        <translation>แสดงวลี</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>วลีก่อนหน้า</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>วลีถัดไป</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakResultCellView</name>
    <message>
        <source>Show Voiceprint</source>
        <translation>แสดงลายเสียง</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakVC</name>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>แตะค้างไว้เพื่อพูด</translation>
    </message>
</context>
<context>
    <name>PhrasebookApplication</name>
    <message>
        <source>Phrasebook cannot start</source>
        <translation>ไม่สามารถเริ่ม Phrasebook ได้</translation>
    </message>
    <message>
        <source>The installed content is damaged:</source>
        <translation>เนื้อหาที่ติดตั้งไว้เสียหาย:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
</context>
<context>
    <name>QuizOutlineVC</name>
    <message>
        <source>Listen And Select</source>
        <translation>ฟังแล้วเลือก</translation>
    </message>
    <message>
        <source>Listen And Write</source>
        <translation>ฟังแล้วเขียน</translation>
    </message>
    <message>
        <source>Reorder Words</source>
        <translation>เรียงคำ</translation>
    </message>
    <message>
        <source>Read Phrase</source>
        <translation>อ่านวลี</translation>
    </message>
    <message>
        <source>Foreign Language -&gt; Mother Language</source>
        <translation>ภาษาต่างประเทศ -&gt; ภาษาแม่</translation>
    </message>
    <message>
        <source>Mother Language -&gt; Foreign Language</source>
        <translation>ภาษาแม่ -&gt; ภาษาต่างประเทศ</translation>
    </message>
    <message>
        <source>Unit Quiz</source>
        <translation>แบบทดสอบประจำหมวด</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>แบบทดสอบ</translation>
    </message>
</context>
<context>
    <name>RatingPrompt</name>
    <message>
        <source>Rate %1</source>
        <translation>ให้คะแนน %1</translation>
    </message>
    <message>
        <source>If you enjoy using %1, would you mind taking a moment to rate it? It won&apos;t take more than a minute. Thanks for your support!</source>
        <translation>หากคุณชอบใช้ %1 ช่วยสละเวลาสักครู่เพื่อให้คะแนนได้ไหม? ใช้เวลาไม่เกินหนึ่งนาที ขอบคุณสำหรับการสนับสนุน!</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>ให้คะแนนเลย</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>เตือนภายหลัง</translation>
    </message>
    <message>
        <source>The store page cannot be opened on this computer.</source>
        <translation>ไม่สามารถเปิดหน้าร้านค้าบนคอมพิวเตอร์เครื่องนี้ได้</translation>
    </message>
</context>
<context>
    <name>SettingViewController</name>
    <message>
        <source>XP</source>
        <translation>คะแนนประสบการณ์</translation>
    </message>
    <message>
        <source>Play Speed</source>
        <translation>ความเร็วในการเล่น</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>ระยะเวลาทดสอบ</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>ล้างแคช</translation>
    </message>
    <message>
        <source>Word Feedback</source>
        <translation>คำแนะนำรายคำ</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>ข้อเสนอแนะ</translation>
    </message>
    <message>
        <source>More App</source>
        <translation>แอปอื่นๆ</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>รีวิวแอป</translation>
    </message>
    <message>
        <source>Share App</source>
        <translation>แชร์แอป</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>คุณแน่ใจหรือไม่</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Some advices on the APP</source>
        <translation>ข้อเสนอแนะเกี่ยวกับแอป</translation>
    </message>
    <message>
        <source>Sent successfully</source>
        <translation>ส่งสำเร็จแล้ว</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>ส่งไม่สำเร็จ</translation>
    </message>
    <message>
        <source>shareMsg</source>
        <translation>ฝึกพูดประโยคภาษาอังกฤษในชีวิตประจำวันกับ Phrasebook</translation>
    </message>
</context>
<context>
    <name>SharePanel</name>
    <message>
        <source>Copy link</source>
        <translation>คัดลอกลิงก์</translation>
    </message>
    <message>
        <source>Send by mail</source>
        <translation>ส่งทางอีเมล</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>ไม่สามารถเปิดโปรแกรมอีเมลได้</translation>
    </message>
</context>
<context>
    <name>SpectrumCompView</name>
    <message>
        <source>Original Voice</source>
        <translation>เสียงต้นฉบับ</translation>
    </message>
    <message>
        <source>My Voice</source>
        <translation>เสียงของฉัน</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>คะแนน</translation>
    </message>
</context>
<context>
    <name>TestDurPickerView</name>
    <message>
        <source>Test Duration</source>
        <translation>ระยะเวลาทดสอบ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <source>No program on this computer can open %1.</source>
        <translation>ไม่มีโปรแกรมในคอมพิวเตอร์นี้ที่เปิด %1 ได้</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
</context>
<context>
    <name>UserInfoVC</name>
    <message>
        <source>XP</source>
        <translation>คะแนนประสบการณ์</translation>
    </message>
    <message>
        <source>Start App</source>
        <translation>เปิดแอป</translation>
    </message>
    <message>
        <source>Listen Word</source>
        <translation>การฟัง</translation>
    </message>
    <message>
        <source>Write Word</source>
        <translation>การเขียน</translation>
    </message>
    <message>
        <source>Read Word</source>
        <translation>การอ่านออกเสียง</translation>
    </message>
    <message>
        <source>Quiz Times</source>
        <translation>จำนวนแบบทดสอบ</translation>
    </message>
    <message>
        <source>Quiz Score</source>
        <translation>คะแนนแบบทดสอบ</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>รีวิวแอป</translation>
    </message>
</context>
<context>
    <name>WordOrderAdjustVC</name>
    <message>
        <source>Drag the word to reorder it.</source>
        <translation>ลากคำเพื่อจัดลำดับใหม่</translation>
    </message>
</context>
<context>
    <name>WordStripView</name>
    <message>
        <source>not heard</source>
        <translation>ไม่ได้ยิน</translation>
    </message>
    <message>
        <source>/%1/ sounded like /%2/</source>
        <translation>/%1/ ฟังเหมือน /%2/</translation>
    </message>
    <message>
        <source>/%1/ is unclear</source>
        <translation>/%1/ ไม่ชัด</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>ต้องฝึกเพิ่ม</translation>
    </message>
    <message>
        <source>Tap to hear your voice, then the original voice.</source>
        <translation>แตะเพื่อฟังเสียงของคุณ แล้วตามด้วยเสียงต้นฉบับ</translation>
    </message>
    <message>
        <source>Tap to hear your voice.</source>
        <translation>แตะเพื่อฟังเสียงของคุณ</translation>
    </message>
    <message>
        <source>Tap to hear the original voice.</source>
        <translation>แตะเพื่อฟังเสียงต้นฉบับ</translation>
    </message>
</context>
<context>
    <name>WordWriteView</name>
    <message>
        <source>Redo</source>
        <translation>ทำใหม่</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>ส่ง</translation>
    </message>
</context>
<context>
    <name>ZQPSRecognizer</name>
    <message>
        <source>No voice detected</source>
        <translation>ไม่พบเสียงพูด</translation>
    </message>
    <message>
        <source>No correct words detected</source>
        <translation>ไม่พบคำที่ถูกต้อง</translation>
    </message>
    <message>
        <source>Problems a bit in word sequence</source>
        <translation>ลำดับคำมีปัญหาเล็กน้อย</translation>
    </message>
</context>
<context>
    <name>ZQToolBarView</name>
    <message>
        <source>Back</source>
        <translation>ย้อนกลับ</translation>
    </message>
</context>
<context>
    <name>ZQPopView</name>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
</context>
<context>
    <name>CategoryController</name>
    <message>
        <source>Quizzes</source>
        <translation>แบบทดสอบ</translation>
    </message>
</context>
<context>
    <name>ZQPlayerBox</name>
    <message>
        <source>Play</source>
        <translation>เล่น</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>หยุดชั่วคราว</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>หยุด</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>วลีก่อนหน้า</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>วลีถัดไป</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>ช้าลง</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>เร็วขึ้น</translation>
    </message>
    <message>
        <source>Play the list once</source>
        <translation>เล่นรายการครั้งเดียว</translation>
    </message>
    <message>
        <source>Repeat this phrase</source>
        <translation>เล่นวลีนี้ซ้ำ</translation>
    </message>
    <message>
        <source>Repeat the list</source>
        <translation>เล่นรายการซ้ำ</translation>
    </message>
</context>
</TS>
