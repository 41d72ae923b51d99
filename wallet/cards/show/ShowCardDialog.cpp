#include "ShowCardDialog.h"

#include "CardSound.h"
#include "cards/CardMediaPath.h"
#include "cards/FieldCard.h"
#include "zenthoLib/Ui/ColorRef.h"
#include "zenthoLib/Ui/FontSetup.h"
#include "zenthoLib/Ui/QtText.h"
#include "zenthoLib/Ui/UrlOpener.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr QSize kDisplaySize(275, 310);
// The notes box below the painted area.
constexpr QRect kNotesBox(5, 212, 262, 89);
constexpr QRect kFullNotesBox(5, 12, 262, 236);
constexpr int kMargin = 15;
constexpr int kHeadingMargin = 5;
constexpr int kIconOffsetFromRight = 42;
constexpr int kIconTop = 142;
constexpr int kIconSize = 32;
// Rows share the room between the headings and the notes box.
constexpr int kRowsBottom = 205;
constexpr int kRowsBottomAboveSwitch = 165;
constexpr int kSwitchTop = 172;
constexpr int kLargestRowPitch = 25;
// The resolution the layout's pixels are meant for.
constexpr double kScreenDpi = 96;

int floorHalf(int value) { return value >= 0 ? value / 2 : -((1 - value) / 2); }

int ceilDiv(int value, int step) { return (value + step - 1) / step; }

} // namespace

CShowCardDialog::CShowCardDialog(CFieldCard& card, const CardDisplayLayout& layout, ICardSoundPlayer& sound, const CString& programDir,
                                 QWidget* parent)
    : QWidget(parent), m_card(card), m_layout(layout), m_sound(sound), m_programDir(programDir), m_notes(new QPlainTextEdit(this)),
      m_fonts(makeFonts(false)), m_showHidden(card.getHiddenMode() == CCard::kShowHidden)
{
    setFixedSize(kDisplaySize);
    m_notes->setReadOnly(true);
    m_notes->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_notes->setGeometry(layout.notesFillCard ? kFullNotesBox : kNotesBox);
    m_notes->setObjectName("id1027");
    refreshNotes();
    reloadPicture();
}

void CShowCardDialog::setPrintMode(bool on)
{
    m_printMode = on;
    m_fonts = makeFonts(on);
}

CShowCardDialog::Fonts CShowCardDialog::makeFonts(bool print)
{
    const int title = print ? 400 : 700;
    const int label = 400;
    const int value = print ? 700 : 900;
    const int bigTitle = 900;
    const int emphasis = print ? 700 : 900;
    return {windowsFont("Areal", 16, title), windowsFont("Areal", 14, label), windowsFont("Areal", 14, value),
            windowsFont("Areal", 20, bigTitle), windowsFont("Areal", 14, emphasis, true)};
}

void CShowCardDialog::refreshNotes()
{
    QPalette palette = m_notes->palette();
    palette.setColor(QPalette::Base, toQColor(m_card.getCardColor()));
    palette.setColor(QPalette::Text, toQColor(m_card.getTextColor()));
    m_notes->setPalette(palette);
    m_notes->setPlainText(toQString(m_card.getNotes()));
}

void CShowCardDialog::reloadPicture()
{
    m_card.setPictureReload(false);
    m_picture = QImage();
    if (const auto path = cardMediaNativePath(m_card.getPicturePath(), m_programDir))
        m_picture.load(QString::fromStdString(*path));
}

void CShowCardDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintCard(painter, rect().adjusted(0, 0, -5, -5));
}

void CShowCardDialog::paintCard(QPainter& painter, const QRect& cardRect)
{
    const QSizeF scale = m_printMode ? printScale(painter) : QSizeF(1, 1);
    if (qFuzzyCompare(scale.width(), 1.0) && qFuzzyCompare(scale.height(), 1.0))
        return paintLayout(painter, cardRect);
    // The layout is made for the screen: on a printer it is drawn at the same size, fonts and all.
    painter.save();
    painter.translate(cardRect.topLeft());
    painter.scale(scale.width(), scale.height());
    paintLayout(painter, QRect(0, 0, qRound(cardRect.width() / scale.width()), qRound(cardRect.height() / scale.height())));
    painter.restore();
}

QSizeF CShowCardDialog::printScale(const QPainter& painter)
{
    // How many units of the painter's coordinates the device puts on an inch, on each axis.
    const QTransform mapping = painter.combinedTransform();
    const double unitsPerInchX = painter.device()->logicalDpiX() / std::hypot(mapping.m11(), mapping.m12());
    const double unitsPerInchY = painter.device()->logicalDpiY() / std::hypot(mapping.m21(), mapping.m22());
    return {unitsPerInchX / kScreenDpi, unitsPerInchY / kScreenDpi};
}

void CShowCardDialog::paintLayout(QPainter& painter, const QRect& cardRect)
{
    m_painted.clear();
    m_switchRect = QRect();
    const QColor cardColor = toQColor(m_card.getCardColor());
    const QColor textColor = toQColor(m_card.getTextColor());
    if (m_card.getPictureReload())
        reloadPicture();

    painter.save();
    painter.fillRect(painter.device() == this ? rect() : cardRect, cardColor);
    if (!m_printMode && !m_picture.isNull())
        drawPicture(painter, cardRect);
    painter.setPen(textColor);
    painter.setBrush(Qt::NoBrush);
    if (m_card.getBorder()) {
        const QRectF border = QRectF(cardRect).adjusted(0.5, 0.5, -0.5, -0.5);
        if (m_card.getCornerSetting() == 0)
            painter.drawRoundedRect(border, 4, 4);
        else
            painter.drawRect(border);
    }
    m_iconRect = QRect();
    if (!m_printMode && m_card.getShowIcon() && !m_icon.isNull()) {
        m_iconRect = QRect(cardRect.left() + cardRect.width() - kIconOffsetFromRight, cardRect.top() + kIconTop, kIconSize, kIconSize);
        painter.drawPixmap(m_iconRect, m_icon);
    }
    if (m_firstPaint && !m_printMode) {
        m_firstPaint = false;
        if (m_card.getPlayOnOpen())
            if (const auto sound = cardMediaNativePath(m_card.getSoundPath(), m_programDir))
                m_sound.play(*sound);
    }
    drawContents(painter, cardRect);
    painter.restore();
}

void CShowCardDialog::drawPicture(QPainter& painter, const QRect& cardRect) const
{
    const int placement = m_card.getPicturePlacement();
    if (placement <= CCard::kNoPicture || placement > CCard::kTiledPicture)
        return;
    painter.save();
    painter.setClipRect(cardRect);
    const QSize size = m_picture.size();
    if (placement == CCard::kTiledPicture) {
        const int columns = ceilDiv(cardRect.width(), size.width());
        const int rows = ceilDiv(cardRect.height(), size.height());
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < columns; ++column)
                painter.drawImage(cardRect.topLeft() + QPoint(column * size.width(), row * size.height()), m_picture);
    } else {
        const int column = (placement - 1) % 3;
        const int row = (placement - 1) / 3;
        const int freeWidth = cardRect.width() - size.width();
        const int freeHeight = cardRect.height() - size.height();
        const int x = column == 0 ? 0 : column == 1 ? floorHalf(freeWidth) : freeWidth;
        const int y = row == 0 ? 0 : row == 1 ? floorHalf(freeHeight) : freeHeight;
        painter.drawImage(cardRect.topLeft() + QPoint(x, y), m_picture);
    }
    painter.restore();
}

QString CShowCardDialog::fieldText(int field) const
{
    if (field == kNoField)
        return {};
    return toQString(field == kCardNameField ? m_card.getName() : m_card.fieldText(field));
}

QString CShowCardDialog::itemText(const DisplayItem& item) const
{
    QString text = item.field == kNoField ? QString::fromLatin1(item.text) : fieldText(item.field);
    for (const int more : item.moreFields) {
        const QString part = fieldText(more);
        if (!part.isEmpty())
            text = text.isEmpty() ? part : text + ' ' + part;
    }
    if (const QString prefix = fieldText(item.prefixField); !text.isEmpty() && !prefix.isEmpty())
        text = prefix + ' ' + text;
    return item.capitals ? text.toUpper() : text;
}

int CShowCardDialog::rowSlots() const
{
    int rows = 0;
    int pairs = 0;
    int cellColumn = -1;
    for (const DisplayItem& item : m_layout.items) {
        if (item.kind == DisplayItemKind::Cell) {
            rows += item.column <= cellColumn || cellColumn < 0;
            cellColumn = item.column;
            continue;
        }
        cellColumn = -1;
        rows += item.kind != DisplayItemKind::Heading && item.kind != DisplayItemKind::Centred && item.kind != DisplayItemKind::Pair &&
                item.kind != DisplayItemKind::Hidden;
        pairs += item.kind == DisplayItemKind::Pair;
    }
    return rows + (pairs + 1) / 2;
}

std::optional<QString> CShowCardDialog::rowLabel(const DisplayItem& item) const
{
    QString label = QString::fromLatin1(item.text);
    if (item.labelField == kNoField)
        return label;
    const QString caption = fieldText(item.labelField);
    // A row labelled by a field is left out without its label, except beside the middle.
    if (caption.isEmpty() && item.kind != DisplayItemKind::Middle)
        return std::nullopt;
    return caption + label;
}

void CShowCardDialog::drawContents(QPainter& painter, const QRect& cardRect)
{
    const auto& items = m_layout.items;
    const bool hasHidden = std::ranges::any_of(items, [](const DisplayItem& item) { return item.kind == DisplayItemKind::Hidden; });
    const int left = cardRect.left() + kMargin;
    const int right = cardRect.right() - kMargin;
    const int middle = cardRect.left() + cardRect.width() / 2;
    int y = cardRect.top() + 8;
    int rowPitch = 0;
    // Pairs keep their column by their place in the run of pairs; a line of two empty pairs takes no room.
    int pairIndex = 0;
    bool pairLineDrawn = false;
    int cellColumn = -1;
    m_linkRect = QRect();
    for (const DisplayItem& item : items) {
        if (item.kind != DisplayItemKind::Pair) {
            if (pairLineDrawn)
                y += rowPitch;
            pairLineDrawn = false;
            pairIndex = 0;
        }
        if (cellColumn >= 0 && (item.kind != DisplayItemKind::Cell || item.column <= cellColumn)) {
            y += rowPitch;
            cellColumn = -1;
        }
        if (item.kind == DisplayItemKind::Heading || item.kind == DisplayItemKind::Centred) {
            y = drawCentred(painter, cardRect, y, item.kind == DisplayItemKind::Heading ? m_fonts.bigTitle : m_fonts.title, itemText(item));
            continue;
        }
        if (item.kind == DisplayItemKind::Hidden) {
            drawHidden(painter, cardRect, cardRect.topLeft() + QPoint(kMargin, kSwitchTop), itemText(item));
            continue;
        }
        if (rowPitch == 0) {
            y += 6;
            const int bottom = cardRect.top() + (hasHidden ? kRowsBottomAboveSwitch : kRowsBottom);
            rowPitch = m_layout.rowPitch ? m_layout.rowPitch : std::min(kLargestRowPitch, (bottom - y) / rowSlots());
        }
        const std::optional<QString> label = rowLabel(item);
        const QString value = itemText(item);
        if (item.kind == DisplayItemKind::Pair) {
            const bool rightColumn = pairIndex++ % 2 == 1;
            if (label && !value.isEmpty()) {
                drawRow(painter, y, rightColumn ? middle + 5 : left, rightColumn ? right : middle - 5, *label, value);
                pairLineDrawn = true;
            }
            if (rightColumn && pairLineDrawn)
                y += rowPitch;
            pairLineDrawn = pairLineDrawn && !rightColumn;
            continue;
        }
        if (!label || value.isEmpty())
            continue;
        switch (item.kind) {
        case DisplayItemKind::Cell: {
            cellColumn = item.column;
            const QFont& font = item.field == kNoField ? m_fonts.label : m_fonts.value;
            const int cellLeft = cardRect.left() + item.column;
            const int cellRight = cardRect.right() - kHeadingMargin;
            drawText(painter, QRect(cellLeft, y, cellRight - cellLeft, QFontMetrics(font, painter.device()).height()), font, value);
            continue;
        }
        case DisplayItemKind::Middle: {
            const int labelWidth = QFontMetrics(m_fonts.label, painter.device()).horizontalAdvance(*label) + kValueGap;
            drawRow(painter, y, std::max(left, middle - labelWidth), right, *label, value);
            break;
        }
        case DisplayItemKind::TitleLine:
        case DisplayItemKind::Line: {
            const QFont& font = item.kind == DisplayItemKind::TitleLine ? m_fonts.title : m_fonts.value;
            drawText(painter, QRect(left, y, right - left, QFontMetrics(font, painter.device()).height()), font, value);
            break;
        }
        case DisplayItemKind::Link:
            m_linkRect = drawRow(painter, y, left, right, *label, value, toQColor(m_linkOpened ? kVisitedLinkColor : kLinkColor));
            m_linkAddress = QString::fromLatin1(item.linkScheme) + value;
            break;
        default:
            drawRow(painter, y, left, right, *label, value);
            break;
        }
        y += rowPitch;
    }
}

int CShowCardDialog::drawCentred(QPainter& painter, const QRect& cardRect, int y, const QFont& font, const QString& text)
{
    const int height = QFontMetrics(font, painter.device()).height();
    if (text.isEmpty())
        return y;
    painter.setFont(font);
    const QRect box(cardRect.left() + kHeadingMargin, y, cardRect.width() - 2 * kHeadingMargin, height);
    // A text too wide for the card keeps its beginning and ends in an ellipsis.
    const QString shown = QFontMetrics(font, painter.device()).elidedText(text, Qt::ElideRight, box.width());
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, shown);
    m_painted << text;
    return y + height + 4;
}

void CShowCardDialog::drawText(QPainter& painter, const QRect& box, const QFont& font, const QString& text)
{
    if (box.width() <= 0 || text.isEmpty())
        return;
    painter.setFont(font);
    const QString shown = QFontMetrics(font, painter.device()).elidedText(text, Qt::ElideRight, box.width());
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, shown);
    m_painted << text;
}

QRect CShowCardDialog::drawRow(QPainter& painter, int y, int left, int right, const QString& label, const QString& value,
                               const std::optional<QColor>& valueColor)
{
    return drawRow(painter, y, left, right, label, value, m_fonts.label, m_fonts.value, valueColor);
}

QRect CShowCardDialog::drawRow(QPainter& painter, int y, int left, int right, const QString& label, const QString& value,
                               const QFont& labelFont, const QFont& valueFont, const std::optional<QColor>& valueColor)
{
    if (value.isEmpty())
        return {};
    const int height = QFontMetrics(valueFont, painter.device()).height();
    // A row that runs beside the icon stops short of it.
    if (m_iconRect.isValid() && y < m_iconRect.bottom() && y + height > m_iconRect.top())
        right = std::min(right, m_iconRect.left() - 4);
    int valueLeft = left;
    if (!label.isEmpty()) {
        drawText(painter, QRect(left, y, right - left, height), labelFont, label);
        valueLeft += QFontMetrics(labelFont, painter.device()).horizontalAdvance(label) + kValueGap;
    }
    const QRect valueBox(valueLeft, y, right - valueLeft, height);
    const QPen cardPen = painter.pen();
    if (valueColor)
        painter.setPen(*valueColor);
    drawText(painter, valueBox, valueFont, value);
    painter.setPen(cardPen);
    const int valueWidth = QFontMetrics(valueFont, painter.device()).horizontalAdvance(value);
    return valueBox.intersected(QRect(valueLeft, y, valueWidth, height));
}

void CShowCardDialog::drawHidden(QPainter& painter, const QRect& cardRect, const QPoint& at, const QString& value)
{
    if (value.isEmpty())
        return;
    int valueLeft = at.x();
    if (!m_printMode) {
        const char* caption = m_showHidden ? m_layout.captions.hide : m_layout.captions.show;
        const QFontMetrics metrics(m_fonts.label, painter.device());
        m_switchRect = QRect(valueLeft, at.y(), metrics.horizontalAdvance(caption) + 12, metrics.height() + 6);
        qDrawShadePanel(&painter, m_switchRect, palette(), false, 1);
        painter.setFont(m_fonts.label);
        painter.drawText(m_switchRect, Qt::AlignCenter | Qt::TextSingleLine, caption);
        m_painted << caption;
        valueLeft = m_switchRect.right() + 10;
    }
    if (!m_printMode && !m_showHidden)
        return;
    const int y = at.y() + 2;
    const int height = QFontMetrics(m_fonts.title, painter.device()).height();
    int right = cardRect.right() - kMargin;
    // A value that runs beside the icon stops short of it.
    if (m_iconRect.isValid() && y < m_iconRect.bottom() && y + height > m_iconRect.top())
        right = std::min(right, m_iconRect.left() - 4);
    drawText(painter, QRect(valueLeft, y, right - valueLeft, height), m_fonts.title, value);
}

void CShowCardDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    if (m_switchRect.contains(at)) {
        m_showHidden = !m_showHidden;
        update();
        return;
    }
    if (m_linkRect.contains(at)) {
        openUrl(m_linkAddress.startsWith("mailto:") ? QUrl(m_linkAddress) : QUrl::fromUserInput(m_linkAddress));
        m_linkOpened = true;
        update();
        return;
    }
    editCard();
}

void CShowCardDialog::editCard()
{
    if (!m_editHook || !m_editHook(m_card))
        return;
    m_showHidden = m_card.getHiddenMode() == CCard::kShowHidden;
    refreshNotes();
    update();
    emit cardChanged(&m_card);
}
