#pragma once

#include "BaseViewController.h"
#include "content/CategoryInfo.h"
#include "PhraseInfoView.h"
#include "audio/ZQPlayerBoxDelegate.h"

#include <QList>
#include <QPointF>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class ActivityIndicatorView;
class AudioPlayer;
class ScrollView;
class ZQListPlayerBoxView;

// The category screen: the category's phrases as a scrolling list of rows (foreign text
// over translation), a list player at the bottom that reads every voice in order (one play
// per item, one second between items, at the saved speed), marking and revealing the row
// whose voice sounds. A row tap opens the phrase card, the quiz button the quiz chooser for
// this category; both are other screens, made through makers registered at start-up
// (setPhraseCardMaker, ScreenFactory): while none is registered the tap only logs and the
// button does nothing.
//
// The marked row is always the item the player plays now or next: it moves on in the pause
// between items, and to the first row on stop or when the list has ended.
//
// It is the list player's delegate (ZQPlayerBoxDelegate). currPhraseIndex() is the
// process-wide index of the phrase last looked at or played in the open category, shared
// with the phrase card.
//
// Thread: main thread (startLoadingInBackground starts a short-lived thread that hands the
// spinner start back to the main thread).
// Failure: none; a category without phrases shows an empty list and an idle player.
class CategoryController : public BaseViewController, public ZQPlayerBoxDelegate
{
    Q_OBJECT

public:
    using PhraseCardMaker = std::function<std::unique_ptr<BaseViewController>(const PhraseInfoPtr &phrase)>;

    explicit CategoryController(QObject *parent = nullptr);
    ~CategoryController() override;

    static int currPhraseIndex();
    static void setCurrPhraseIndex(int index);
    static void setPhraseCardMaker(PhraseCardMaker maker);

    void setCategoryInfo(const CategoryInfoPtr &category) { m_categoryInfo = category; }
    CategoryInfoPtr categoryInfo() const { return m_categoryInfo; }
    void setPhraseInfoList(const std::optional<QList<PhraseInfoPtr>> &list) { m_phraseInfoList = list; }
    const std::optional<QList<PhraseInfoPtr>> &phraseInfoList() const { return m_phraseInfoList; }

    qreal cellWidth() const { return m_cellWidth; }
    qreal cellHeight() const { return m_cellHeight; }
    ScrollView *wordCardListView() const { return m_wordCardListView; }
    ZQListPlayerBoxView *playerBoxView() const { return m_playerBoxView; }
    qreal playerBoxViewH() const { return m_playerBoxViewH; }
    PhraseInfoView *currPlayItemView() const { return m_currPlayItemView; }
    QList<PhraseInfoView *> phraseViews() const { return m_rows; }

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void back(QObject *sender) override;

    // ZQPlayerBoxDelegate
    void play(AudioPlayer *player) override;
    void audioPlayerDidFinishPlaying(AudioPlayer *player, bool successfully) override;

    void openQuizz(QObject *sender);
    void openWordCard(PhraseInfoView *row);

private:
    void buildScreen();
    void markPlayingRow();
    void markRow(int index, bool reveal);
    void followNextItem(int index);
    void stopEverything();

    CategoryInfoPtr m_categoryInfo;
    std::optional<QList<PhraseInfoPtr>> m_phraseInfoList;
    qreal m_cellWidth = 0;
    qreal m_cellHeight = 0;
    ScrollView *m_wordCardListView = nullptr;
    ZQListPlayerBoxView *m_playerBoxView = nullptr;
    qreal m_playerBoxViewH = 44;
    QPointer<PhraseInfoView> m_currPlayItemView;
    QList<PhraseInfoView *> m_rows;
};
