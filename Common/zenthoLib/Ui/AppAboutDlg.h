// The about box: the application's picture, its web address as a link that
// opens in the browser, a two-line notice and the version.
#pragma once

#include <QDialog>
#include <QFont>
#include <QImage>

class QLabel;

// The controls are made when the box is first shown, with the fonts of InitFonts.
class CAppAboutDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWidth = 240;
    static constexpr int kHeight = 284;
    static constexpr int kLinkLabelId = 30000;
    static constexpr int kTextLabelId = 30001;

    CAppAboutDlg(const QImage& background, const QString& linkText, const QString& versionText, QWidget* parent = nullptr);

    bool isVisited() const { return m_visited; }
    QRect linkRect() const { return m_linkRect; }
    // The two lines below the link.
    static QString noticeText();

protected:
    // Makes linkFont and textFont; a derived box may choose others.
    virtual void InitFonts();
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

    QFont linkFont;
    QFont textFont;

private:
    void initDialog();
    void colourLink();

    QImage m_background;
    QString m_linkText;
    QString m_versionText;
    QLabel* m_linkLabel = nullptr;
    QLabel* m_textLabel = nullptr;
    QRect m_linkRect;
    bool m_visited = false;
};
