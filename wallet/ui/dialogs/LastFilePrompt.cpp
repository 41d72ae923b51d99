#include "LastFilePrompt.h"

#include "DialogTexts.h"
#include "cards/edit/ControlId.h"
#include "zenthoLib/Ui/DialogFixer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CLastOpenedFileDoesnotExistPrompt::CLastOpenedFileDoesnotExistPrompt(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString::fromLatin1(DialogTexts::kOpenFileCaption));
    auto* openExisting = named(new QPushButton(QStringLiteral("Open Existing"), this), kOpenExistingId);
    openExisting->setDefault(true);
    auto* createNew = named(new QPushButton(QStringLiteral("Create New"), this), kCreateNewId);
    connect(openExisting, &QPushButton::clicked, this, [this] { choose(true); });
    connect(createNew, &QPushButton::clicked, this, [this] { choose(false); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(openExisting);
    buttons->addWidget(createNew);
    // The dialog takes the size its controls need.
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(new QLabel(QString::fromLatin1(DialogTexts::kLastFileMissing), this), 0, Qt::AlignCenter);
    layout->addLayout(buttons);
    gDialogFixer.fixDialog(this);
}

void CLastOpenedFileDoesnotExistPrompt::choose(bool openExisting)
{
    m_opensExisting = openExisting;
    accept();
}
