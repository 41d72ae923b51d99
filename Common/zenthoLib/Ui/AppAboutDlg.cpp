#include "AppAboutDlg.h"

#include "ColorRef.h"
#include "DibDrawing.h"
#include "FontSetup.h"
#include "UrlOpener.h"
#include "UiTrace.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {

// Rectangles given by their edges, as the box was laid out.
QRect edges(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

const QRect kLinkRect = edges(3, 175, 235, 200);
const QRect kNoticeRect = edges(5, 196, 235, 240);
const QRect kVersionRect = edges(182, 117, 230, 137);

} // namespace

CAppAboutDlg::CAppAboutDlg(const QImage& background, const QString& linkText, const QString& versionText, QWidget* parent)
    : QDialog(parent), m_background(background), m_linkText(linkText), m_versionText(versionText)
{
    setFixedSize(kWidth, kHeight);
    setWindowTitle(QStringLiteral("About Keldra"));
}

void CAppAboutDlg::showEvent(QShowEvent* event)
{
    if (!m_linkLabel)
        initDialog();
    QDialog::showEvent(event);
}

QString CAppAboutDlg::noticeText()
{
    return QStringLiteral("Your cards and passwords,\nkept in one sealed wallet.");
}

void CAppAboutDlg::InitFonts()
{
    linkFont = windowsFont("Areal", 16, 400, false, true);
    textFont = windowsFont("Areal", 13, 300);
}

void CAppAboutDlg::initDialog()
{
    InitFonts();

    m_linkLabel = new QLabel(m_linkText, this);
    m_linkLabel->setObjectName(QStringLiteral("id%1").arg(kLinkLabelId));
    m_linkLabel->setFont(linkFont);
    m_linkLabel->setAlignment(Qt::AlignCenter);
    m_linkRect = kLinkRect;
    m_linkLabel->setGeometry(m_linkRect);
    m_linkLabel->show();

    m_textLabel = new QLabel(noticeText(), this);
    m_textLabel->setObjectName(QStringLiteral("id%1").arg(kTextLabelId));
    m_textLabel->setFont(textFont);
    m_textLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_textLabel->setGeometry(kNoticeRect);
    m_textLabel->show();

    for (QLabel* label : {m_linkLabel, m_textLabel}) {
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setAutoFillBackground(false);
    }
    colourLink();
    QPalette textPalette = m_textLabel->palette();
    textPalette.setColor(QPalette::WindowText, Qt::black);
    m_textLabel->setPalette(textPalette);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("id1"));
    ok->setGeometry(90, 227, 60, 20);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->show();
}

void CAppAboutDlg::colourLink()
{
    QPalette palette = m_linkLabel->palette();
    palette.setColor(QPalette::WindowText, toQColor(m_visited ? kVisitedLinkColor : kLinkColor));
    m_linkLabel->setPalette(palette);
}

void CAppAboutDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_background.isNull())
        DrawAsDib(painter, m_background, QRect(QPoint(0, 0), m_background.size()));
    painter.setFont(textFont);
    painter.setPen(Qt::black);
    painter.drawText(kVersionRect, Qt::AlignRight | Qt::AlignVCenter, m_versionText);
}

void CAppAboutDlg::mousePressEvent(QMouseEvent* event)
{
    m_visited = true;
    colourLink();
    if (event->button() == Qt::LeftButton && m_linkRect.contains(event->position().toPoint())) {
        if (!openUrl(QUrl::fromUserInput(m_linkText)))
            traceFailure("ShellExecute %s fails!!", m_linkText.toLocal8Bit().constData());
    }
    QDialog::mousePressEvent(event);
}
