// The display of one card: a picture of a card painted in the card's colours,
// with its picture, border and icon, the kind's fields drawn on it and the
// notes in a read-only box below. The painting goes through `paintCard`, so
// the same code draws onto the window, an image or a printer.
#pragma once

#include "CardDisplayLayout.h"
#include "platform/CString.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>

class CCard;
class CFieldCard;
class ICardSoundPlayer;
class QPlainTextEdit;

class CShowCardDialog : public QWidget {
    Q_OBJECT

public:
    // Opens the card editor on the card; true when the user confirmed it.
    using EditHook = std::function<bool(CCard&)>;

    // `layout` says what the kind draws; the card, the player and the
    // layout outlive the display.
    CShowCardDialog(CFieldCard& card, const CardDisplayLayout& layout, ICardSoundPlayer& sound, const CString& programDir,
                    QWidget* parent = nullptr);

    void setIcon(const QPixmap& icon) { m_icon = icon; }
    void setEditHook(EditHook hook) { m_editHook = std::move(hook); }
    // Printing leaves out the picture, the icon and the switch, and always draws hidden values.
    void setPrintMode(bool on);
    bool showsHidden() const { return m_showHidden; }
    // Where the last painting put the switch of the hidden value; empty when it drew none.
    QRect hiddenSwitchRect() const { return m_switchRect; }

    // Paints the card into `cardRect` of the painter's coordinates. In print mode the card
    // comes out at the size it has on the screen, whatever the device's resolution and the
    // painter's mapping.
    void paintCard(QPainter& painter, const QRect& cardRect);
    // The texts the last painting drew, in order.
    const QStringList& paintedTexts() const { return m_painted; }

signals:
    void cardChanged(CCard* card);

protected:
    struct Fonts {
        QFont title, label, value, bigTitle, emphasis;
    };

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

    // Draws the kind's fields over the common background; the table's items by default.
    virtual void drawContents(QPainter& painter, const QRect& cardRect);

    // The drawing primitives of the kinds, each recording what it painted.
    // Draws the text centred in the card from `y`; gives the y below it.
    int drawCentred(QPainter& painter, const QRect& cardRect, int y, const QFont& font, const QString& text);
    // Draws a label and its value, nothing when the value is empty; gives the box the value takes.
    QRect drawRow(QPainter& painter, int y, int left, int right, const QString& label, const QString& value,
                  const std::optional<QColor>& valueColor = std::nullopt);
    QRect drawRow(QPainter& painter, int y, int left, int right, const QString& label, const QString& value, const QFont& labelFont,
                  const QFont& valueFont, const std::optional<QColor>& valueColor = std::nullopt);
    // The switch of the hidden value with its top-left corner `at`, and the value beside it while shown.
    void drawHidden(QPainter& painter, const QRect& cardRect, const QPoint& at, const QString& value);
    void drawText(QPainter& painter, const QRect& box, const QFont& font, const QString& text);

    // The room between a row's label and its value.
    static constexpr int kValueGap = 5;

    const Fonts& fonts() const { return m_fonts; }
    bool printMode() const { return m_printMode; }

private:
    static Fonts makeFonts(bool print);
    // How much larger than on the screen one pixel of the layout is drawn with `painter`.
    static QSizeF printScale(const QPainter& painter);

    void paintLayout(QPainter& painter, const QRect& cardRect);

    void refreshNotes();
    void reloadPicture();
    void drawPicture(QPainter& painter, const QRect& cardRect) const;
    int rowSlots() const;
    std::optional<QString> rowLabel(const DisplayItem& item) const;
    QString itemText(const DisplayItem& item) const;
    QString fieldText(int field) const;
    void editCard();

    CFieldCard& m_card;
    const CardDisplayLayout& m_layout;
    ICardSoundPlayer& m_sound;
    CString m_programDir;
    QPlainTextEdit* m_notes;
    Fonts m_fonts;
    QImage m_picture;
    QPixmap m_icon;
    EditHook m_editHook;
    QRect m_switchRect;
    QRect m_iconRect;
    QRect m_linkRect;
    QString m_linkAddress;
    bool m_linkOpened = false;
    QStringList m_painted;
    bool m_printMode = false;
    bool m_showHidden = false;
    bool m_firstPaint = true;
};
