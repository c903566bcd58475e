<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="en">
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
        <translation>Phát cụm từ</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Tiến độ</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Điểm</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>Kết thúc</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Gửi</translation>
    </message>
</context>
<context>
    <name>MailComposer</name>
    <message>
        <source>New Message</source>
        <translation>Thư mới</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Gửi</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Đến:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Chủ đề:</translation>
    </message>
    <message>
        <source>Send passes the message to your mail program.</source>
        <translation>Gửi sẽ chuyển thư sang chương trình thư của bạn.</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>Categorized Phrases</source>
        <translation>Cụm từ theo chủ đề</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>Câu đố</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Cài đặt</translation>
    </message>
</context>
<context>
    <name>HoldToRecord</name>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Mở cài đặt</translation>
    </message>
    <message>
        <source>No microphone was found.</source>
        <translation>Không tìm thấy micrô.</translation>
    </message>
    <message>
        <source>No sound settings program was found. Connect a microphone, make sure the computer&apos;s sound service is running, then hold the microphone button again.</source>
        <translation>Không tìm thấy chương trình cài đặt âm thanh. Hãy cắm micrô, kiểm tra dịch vụ âm thanh của máy tính đang chạy, rồi nhấn giữ nút micrô một lần nữa.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>Nhấn giữ để nói.</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Đang ghi âm</translation>
    </message>
</context>
<context>
    <name>PhraseCardVC</name>
    <message>
        <source>Play the phrase</source>
        <translation>Phát cụm từ</translation>
    </message>
    <message>
        <source>Hold to record your voice</source>
        <translation>Nhấn giữ để ghi âm giọng của bạn</translation>
    </message>
    <message>
        <source>Write the phrase</source>
        <translation>Viết cụm từ</translation>
    </message>
    <message>
        <source>Hide the phrase</source>
        <translation>Ẩn cụm từ</translation>
    </message>
    <message>
        <source>Show the phrase</source>
        <translation>Hiện cụm từ</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>Cụm từ trước</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>Cụm từ tiếp theo</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakResultCellView</name>
    <message>
        <source>Show Voiceprint</source>
        <translation>Xem dấu giọng nói</translation>
    </message>
</context>
<context>
    <name>Phrase2SpeakVC</name>
    <message>
        <source>Tap and hold to speak.</source>
        <translation>Nhấn giữ để nói.</translation>
    </message>
</context>
<context>
    <name>PhrasebookApplication</name>
    <message>
        <source>Phrasebook cannot start</source>
        <translation>Không thể khởi động Phrasebook</translation>
    </message>
    <message>
        <source>The installed content is damaged:</source>
        <translation>Nội dung đã cài đặt bị hỏng:</translation>
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
        <translation>Nghe và chọn</translation>
    </message>
    <message>
        <source>Listen And Write</source>
        <translation>Nghe và viết</translation>
    </message>
    <message>
        <source>Reorder Words</source>
        <translation>Sắp xếp từ</translation>
    </message>
    <message>
        <source>Read Phrase</source>
        <translation>Đọc cụm từ</translation>
    </message>
    <message>
        <source>Foreign Language -&gt; Mother Language</source>
        <translation>Ngoại ngữ -&gt; Tiếng mẹ đẻ</translation>
    </message>
    <message>
        <source>Mother Language -&gt; Foreign Language</source>
        <translation>Tiếng mẹ đẻ -&gt; Ngoại ngữ</translation>
    </message>
    <message>
        <source>Unit Quiz</source>
        <translation>Bài kiểm tra chủ đề</translation>
    </message>
    <message>
        <source>Quizzes</source>
        <translation>Câu đố</translation>
    </message>
</context>
<context>
    <name>RatingPrompt</name>
    <message>
        <source>Rate %1</source>
        <translation>Đánh giá %1</translation>
    </message>
    <message>
        <source>If you enjoy using %1, would you mind taking a moment to rate it? It won&apos;t take more than a minute. Thanks for your support!</source>
        <translation>Nếu bạn thích dùng %1, bạn có thể dành chút thời gian để đánh giá không? Sẽ không mất quá một phút. Cảm ơn bạn đã ủng hộ!</translation>
    </message>
    <message>
        <source>Rate It Now</source>
        <translation>Đánh giá ngay</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Nhắc tôi sau</translation>
    </message>
    <message>
        <source>The store page cannot be opened on this computer.</source>
        <translation>Không thể mở trang cửa hàng trên máy tính này.</translation>
    </message>
</context>
<context>
    <name>SettingViewController</name>
    <message>
        <source>XP</source>
        <translation>Điểm kinh nghiệm</translation>
    </message>
    <message>
        <source>Play Speed</source>
        <translation>Tốc độ phát</translation>
    </message>
    <message>
        <source>Test Duration</source>
        <translation>Thời gian kiểm tra</translation>
    </message>
    <message>
        <source>Clear Cache</source>
        <translation>Xóa bộ nhớ đệm</translation>
    </message>
    <message>
        <source>Word Feedback</source>
        <translation>Nhận xét từng từ</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Góp ý</translation>
    </message>
    <message>
        <source>More App</source>
        <translation>Thêm ứng dụng</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>Đánh giá ứng dụng</translation>
    </message>
    <message>
        <source>Share App</source>
        <translation>Chia sẻ ứng dụng</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Cài đặt</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Bạn có chắc không?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Some advices on the APP</source>
        <translation>Một vài góp ý về ứng dụng</translation>
    </message>
    <message>
        <source>Sent successfully</source>
        <translation>Đã gửi thành công</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>Gửi không thành công</translation>
    </message>
    <message>
        <source>shareMsg</source>
        <translation>Học nói các câu tiếng Anh thông dụng với Phrasebook</translation>
    </message>
</context>
<context>
    <name>SharePanel</name>
    <message>
        <source>Copy link</source>
        <translation>Sao chép liên kết</translation>
    </message>
    <message>
        <source>Send by mail</source>
        <translation>Gửi qua thư</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Không thể mở chương trình thư nào.</translation>
    </message>
</context>
<context>
    <name>SpectrumCompView</name>
    <message>
        <source>Original Voice</source>
        <translation>Giọng gốc</translation>
    </message>
    <message>
        <source>My Voice</source>
        <translation>Giọng của tôi</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Điểm</translation>
    </message>
</context>
<context>
    <name>TestDurPickerView</name>
    <message>
        <source>Test Duration</source>
        <translation>Thời gian kiểm tra</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
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
        <translation>Không có chương trình nào trên máy tính này mở được %1.</translation>
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
        <translation>Điểm kinh nghiệm</translation>
    </message>
    <message>
        <source>Start App</source>
        <translation>Mở ứng dụng</translation>
    </message>
    <message>
        <source>Listen Word</source>
        <translation>Nghe</translation>
    </message>
    <message>
        <source>Write Word</source>
        <translation>Viết</translation>
    </message>
    <message>
        <source>Read Word</source>
        <translation>Đọc</translation>
    </message>
    <message>
        <source>Quiz Times</source>
        <translation>Số lần kiểm tra</translation>
    </message>
    <message>
        <source>Quiz Score</source>
        <translation>Điểm kiểm tra</translation>
    </message>
    <message>
        <source>Review App</source>
        <translation>Đánh giá ứng dụng</translation>
    </message>
</context>
<context>
    <name>WordOrderAdjustVC</name>
    <message>
        <source>Drag the word to reorder it.</source>
        <translation>Kéo từ để sắp xếp lại.</translation>
    </message>
</context>
<context>
    <name>WordStripView</name>
    <message>
        <source>not heard</source>
        <translation>không nghe thấy</translation>
    </message>
    <message>
        <source>/%1/ sounded like /%2/</source>
        <translation>/%1/ nghe giống /%2/</translation>
    </message>
    <message>
        <source>/%1/ is unclear</source>
        <translation>/%1/ chưa rõ</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>cần luyện thêm</translation>
    </message>
    <message>
        <source>Tap to hear your voice, then the original voice.</source>
        <translation>Chạm để nghe giọng của bạn, rồi đến giọng gốc.</translation>
    </message>
    <message>
        <source>Tap to hear your voice.</source>
        <translation>Chạm để nghe giọng của bạn.</translation>
    </message>
    <message>
        <source>Tap to hear the original voice.</source>
        <translation>Chạm để nghe giọng gốc.</translation>
    </message>
</context>
<context>
    <name>WordWriteView</name>
    <message>
        <source>Redo</source>
        <translation>Làm lại</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Gửi</translation>
    </message>
</context>
<context>
    <name>ZQPSRecognizer</name>
    <message>
        <source>No voice detected</source>
        <translation>Không phát hiện thấy giọng nói</translation>
    </message>
    <message>
        <source>No correct words detected</source>
        <translation>Không phát hiện thấy từ đúng nào</translation>
    </message>
    <message>
        <source>Problems a bit in word sequence</source>
        <translation>Có chút vấn đề về thứ tự từ</translation>
    </message>
</context>
<context>
    <name>ZQToolBarView</name>
    <message>
        <source>Back</source>
        <translation>Quay lại</translation>
    </message>
</context>
<context>
    <name>ZQPopView</name>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
</context>
<context>
    <name>CategoryController</name>
    <message>
        <source>Quizzes</source>
        <translation>Câu đố</translation>
    </message>
</context>
<context>
    <name>ZQPlayerBox</name>
    <message>
        <source>Play</source>
        <translation>Phát</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Tạm dừng</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>Previous phrase</source>
        <translation>Cụm từ trước</translation>
    </message>
    <message>
        <source>Next phrase</source>
        <translation>Cụm từ tiếp theo</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Chậm hơn</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Nhanh hơn</translation>
    </message>
    <message>
        <source>Play the list once</source>
        <translation>Phát danh sách một lần</translation>
    </message>
    <message>
        <source>Repeat this phrase</source>
        <translation>Lặp lại cụm từ này</translation>
    </message>
    <message>
        <source>Repeat the list</source>
        <translation>Lặp lại danh sách</translation>
    </message>
</context>
</TS>
