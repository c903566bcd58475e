#include "WordOrderAdjustVC.h"

#include "CommonResultCellView.h"
#include "DraggableWordView.h"
#include "content/AnswerText.h"
#include "content/AppCommon.h"
#include "content/CorpusText.h"
#include "platform/ui/Button.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/ViewSupport.h"

#include <algorithm>
#include <cmath>

namespace {
const QColor kWorkAreaColor(25, 44, 66, int(0.8 * 255));
const QColor kTipColor(239, 239, 239);
constexpr qreal kWorkAreaGap = 30;
constexpr qreal kTipHeight = 40;
constexpr qreal kTipGap = 10;
constexpr qreal kTileShare = 0.2;
}

WordOrderAdjustVC::WordOrderAdjustVC(QObject *parent) : BaseQuizViewController(parent) {}

QStringList WordOrderAdjustVC::words(const QString &text)
{
    return CorpusText::words(text, false);
}

bool WordOrderAdjustVC::isRightOrder(const QString &answer, const QString &content)
{
    return AnswerText::matches(answer, words(content).join(QLatin1Char(' ')));
}

qreal WordOrderAdjustVC::workAreaHeightFor(qreal screenHeight) const
{
    if (screenHeight < 500)
        return 200;
    if (screenHeight > 1000)
        return 400;
    return 250;
}

QList<DraggableWordView *> WordOrderAdjustVC::wordViews() const
{
    if (!m_wordOrderAdjustView)
        return {};
    return m_wordOrderAdjustView->contentView()->findChildren<DraggableWordView *>(Qt::FindDirectChildrenOnly);
}

void WordOrderAdjustVC::initSubviews()
{
    View *root = view();
    const qreal width = root->bounds().width();
    m_workAreaH = workAreaHeightFor(root->bounds().height());
    m_wordOrderAdjustView = new ScrollView(QRectF(0, contentTop() + kWorkAreaGap, width, m_workAreaH), root);
    m_wordOrderAdjustView->setBackgroundColor(kWorkAreaColor);
    m_wordOrderAdjustView->setShowsVerticalScrollIndicator(false);
    m_wordOrderAdjustView->show();

    Button *submit = addSubmitButton();
    m_tipLbl = new Label(QRectF(0, submit->frame().top() - kTipGap - kTipHeight, width, kTipHeight), root);
    m_tipLbl->setText(tr("Drag the word to reorder it."));
    m_tipLbl->setNumberOfLines(0);
    m_tipLbl->setTextAlignment(Qt::AlignHCenter);
    m_tipLbl->setTextColor(kTipColor);
    m_tipLbl->setAdjustsFontSizeToFitWidth(true);
    m_tipLbl->show();
    showCurrItem();
}

void WordOrderAdjustVC::showCurrItem()
{
    if (hasCurrentQuestion())
        layoutWords(phraseInfos().at(currIndex())->content);
}

void WordOrderAdjustVC::layoutWords(const QString &text, const QStringList &shuffled)
{
    if (!m_wordOrderAdjustView)
        return;
    for (DraggableWordView *tile : wordViews()) {
        // Out of the area at once, so the new tiles are the only ones found there.
        tile->hide();
        tile->setParent(nullptr);
        tile->deleteLater();
    }
    m_standardOrderedWords = words(text);
    QStringList sortedGiven = shuffled, sortedWords = m_standardOrderedWords;
    std::sort(sortedGiven.begin(), sortedGiven.end());
    std::sort(sortedWords.begin(), sortedWords.end());
    m_randomOrderedWords = !shuffled.isEmpty() && sortedGiven == sortedWords
        ? shuffled
        : AppCommon::getRandomWords(m_standardOrderedWords, int(m_standardOrderedWords.size()));
    m_testOrderedWords = m_randomOrderedWords;

    const qreal height = m_workAreaH * kTileShare;
    QList<DraggableWordView *> tiles;
    qreal total = 0;
    for (const QString &word : std::as_const(m_randomOrderedWords)) {
        tiles.append(addTile(word, height));
        total += tiles.last()->bounds().width() + m_padding;
    }
    const qreal areaWidth = m_wordOrderAdjustView->bounds().width();
    m_startX = total <= areaWidth ? (areaWidth - total) / 2 : 0;
    packTiles(tiles);
    const qreal right = tiles.isEmpty() ? 0 : tiles.last()->frame().right();
    m_wordOrderAdjustView->setContentSize(QSizeF(right, m_wordOrderAdjustView->bounds().height()));
    m_wordOrderAdjustView->setContentOffset(QPointF(0, 0));
}

DraggableWordView *WordOrderAdjustVC::addTile(const QString &word, qreal height)
{
    View *content = m_wordOrderAdjustView->contentView();
    auto *tile = new DraggableWordView(QRectF(0, 0, m_minWordLblW, height), content);
    tile->initStyle();
    tile->setMyDelegate(this);
    tile->setText(word);
    // As wide as the word on one line, never narrower than the minimum.
    const qreal fitted = Label::measureText(word, tile->font(), Qt::AlignHCenter, 1e6, 1).width();
    const qreal areaHeight = m_wordOrderAdjustView->bounds().height();
    tile->setFrame(QRectF(0, (areaHeight - height) / 2, qMax(std::ceil(fitted), m_minWordLblW), height));
    tile->show();
    return tile;
}

void WordOrderAdjustVC::packTiles(const QList<DraggableWordView *> &tiles)
{
    const qreal areaHeight = m_wordOrderAdjustView->bounds().height();
    qreal x = m_startX;
    for (DraggableWordView *tile : tiles) {
        const QSizeF size = tile->bounds().size();
        tile->setFrame(QRectF(x, (areaHeight - size.height()) / 2, size.width(), size.height()));
        x += size.width() + m_padding;
    }
}

void WordOrderAdjustVC::reorderWords(DraggableWordView *dropped)
{
    QList<DraggableWordView *> tiles = wordViews();
    // A tile dropped against the area's left edge goes first: the clamp keeps its centre half
    // its width in, which may still lie right of a narrower first tile's centre.
    auto key = [dropped](DraggableWordView *tile) {
        const bool atLeftEdge = tile == dropped && ViewSupport::frame(tile).x() <= 0.5;
        return atLeftEdge ? -1.0 : ViewSupport::center(tile).x();
    };
    // Stable: tiles whose centres coincide keep their order in the row.
    std::stable_sort(tiles.begin(), tiles.end(),
                     [&key](DraggableWordView *a, DraggableWordView *b) { return key(a) < key(b); });
    packTiles(tiles);
    m_testOrderedWords.clear();
    for (DraggableWordView *tile : std::as_const(tiles))
        m_testOrderedWords.append(tile->text());
}

void WordOrderAdjustVC::submitAction(QObject *)
{
    if (!hasCurrentQuestion())
        return;
    const QString answer = m_testOrderedWords.join(QLatin1Char(' '));
    inputPhraseInfos().at(currIndex())->trans.insert(QLatin1String(AppCommon::contentLanguageCode), answer);
    completeQuestion(isRightOrder(answer, phraseInfos().at(currIndex())->content) ? 10 : 0);
}

void WordOrderAdjustVC::quizOver()
{
    BaseQuizViewController::quizOver();
    removeWidget(m_wordOrderAdjustView);
    removeWidget(m_tipLbl);
    m_wordOrderAdjustView = nullptr;
    m_tipLbl = nullptr;
    removeQuestionWidgets();
    addResultTable(false);
}

TableViewCell *WordOrderAdjustVC::cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath)
{
    TableViewCell *cell = BaseQuizViewController::cellForRowAtIndexPath(tableView, indexPath);
    // The row compares with the phrase as written, punctuation included; an answer made of
    // the phrase's words in order is right all the same.
    auto *row = cell->contentView()->findChild<CommonResultCellView *>();
    const PhraseInfoPtr question = phraseInfos().value(indexPath.row);
    const PhraseInfoPtr answer = inputPhraseInfos().value(indexPath.row);
    if (row && question && answer && isRightOrder(answer->foreignText(), question->content))
        row->testTextLbl()->setTextColor(CommonResultCellView::rightColor());
    return cell;
}
