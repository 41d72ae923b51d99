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

    void paintCard(QPainter& painter, const QRect& cardRect);
    // The texts the last painting drew, in order.
    const QStringList& paintedTexts() const { return m_painted; }

signals:
    void cardChanged(CCard* card);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Fonts {
        QFont title, label, value, bigTitle, emphasis;
    };
    static Fonts makeFonts(bool print);

    void refreshNotes();
    void reloadPicture();
    void drawPicture(QPainter& painter, const QRect& cardRect) const;
    void drawContents(QPainter& painter, const QRect& cardRect);
    int drawCentred(QPainter& painter, const QRect& cardRect, int y, const QFont& font, const QString& text);
    int rowSlots() const;
    std::optional<QString> rowLabel(const DisplayItem& item) const;
    // Draws a label and its value; gives the box the value takes.
    QRect drawRow(QPainter& painter, int y, int left, int right, const QString& label, const QString& value,
                  const std::optional<QColor>& valueColor = std::nullopt);
    void drawHidden(QPainter& painter, const QRect& cardRect, int y, const QString& value);
    void drawText(QPainter& painter, const QRect& box, const QFont& font, const QString& text);
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
