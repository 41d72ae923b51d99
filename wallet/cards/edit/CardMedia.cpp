#include "CardMedia.h"

#include "cards/CardMediaPath.h"
#include "cards/show/CardSound.h"
#include "platform/NativePath.h"

#include "ControlId.h"
#include "EditorChoosers.h"
#include "EditorTexts.h"
#include "MediaPath.h"
#include "model/Card.h"
#include "zenthoLib/Ui/QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString kLink = QStringLiteral("Link");
const QString kChange = QStringLiteral("Change");

// The cell of placement button i in the 3 x 3 grid.
constexpr int kGridRow[] = {0, 0, 0, 1, 1, 1, 2, 2, 2};
constexpr int kGridColumn[] = {0, 1, 2, 0, 1, 2, 0, 1, 2};

} // namespace

CCardMedia::CCardMedia(const CCard* card, ICardEditorChoosers& choosers, const QString& programDir, QWidget* parent)
    : CCardDialog(parent), m_choosers(choosers), m_programDir(programDir)
{
    auto* page = new QVBoxLayout(body());

    auto* graphics = new QGroupBox(QStringLiteral("Graphics"), body());
    auto* graphicsLayout = new QGridLayout(graphics);
    m_pictureLink = named(new QPushButton(kLink, graphics), kPictureLinkId);
    m_pictureUnlink = named(new QPushButton(QStringLiteral("Unlink "), graphics), kPictureUnlinkId);
    m_pictureName = new QLabel(graphics);
    graphicsLayout->addWidget(m_pictureLink, 0, 0);
    graphicsLayout->addWidget(m_pictureUnlink, 1, 0);
    graphicsLayout->addWidget(m_pictureName, 3, 0, 1, 2);
    auto* cells = new QGridLayout;
    m_placements = new QButtonGroup(this);
    for (int i = 0; i < 10; ++i) {
        auto* button = named(new QRadioButton(i == 9 ? QStringLiteral("Tile") : QString(), graphics), kPlacementIds[i]);
        m_placements->addButton(button, i + 1);
        if (i < 9)
            cells->addWidget(button, kGridRow[i], kGridColumn[i]);
        else
            cells->addWidget(button, 3, 0, 1, 3);
    }
    auto* placementBox = new QGroupBox(QStringLiteral("Placement"), graphics);
    placementBox->setLayout(cells);
    graphicsLayout->addWidget(placementBox, 0, 1, 3, 1);
    graphicsLayout->setColumnStretch(2, 1);
    page->addWidget(graphics);

    auto* sound = new QGroupBox(QStringLiteral("Sound"), body());
    auto* soundLayout = new QGridLayout(sound);
    m_soundLink = named(new QPushButton(kLink, sound), kSoundLinkId);
    m_play = named(new QPushButton(QStringLiteral("Play"), sound), kPlayId);
    m_stop = named(new QPushButton(QStringLiteral("Stop"), sound), kStopId);
    m_soundUnlink = named(new QPushButton(QStringLiteral("Unlink "), sound), kSoundUnlinkId);
    m_playOnOpen = named(new QCheckBox(QStringLiteral("Play On Open"), sound), kPlayOnOpenId);
    m_soundName = new QLabel(sound);
    soundLayout->addWidget(m_soundLink, 0, 0);
    soundLayout->addWidget(m_soundUnlink, 0, 1);
    soundLayout->addWidget(m_play, 1, 0);
    soundLayout->addWidget(m_stop, 1, 1);
    soundLayout->addWidget(m_playOnOpen, 2, 0, 1, 2);
    soundLayout->addWidget(m_soundName, 3, 0, 1, 3);
    soundLayout->setColumnStretch(2, 1);
    page->addWidget(sound);

    connect(m_pictureLink, &QPushButton::clicked, this, &CCardMedia::linkPicture);
    connect(m_pictureUnlink, &QPushButton::clicked, this, &CCardMedia::unlinkPicture);
    connect(m_soundLink, &QPushButton::clicked, this, &CCardMedia::linkSound);
    connect(m_soundUnlink, &QPushButton::clicked, this, &CCardMedia::unlinkSound);
    m_sound = new CCardSound(this);
    connect(m_play, &QPushButton::clicked, this, &CCardMedia::playSound);
    connect(m_stop, &QPushButton::clicked, m_sound, &CCardSound::stop);
    connect(m_sound, &CCardSound::finished, this, &CCardMedia::soundEnded);

    if (card) {
        m_picturePath = card->getPicturePath();
        m_soundPath = card->getSoundPath();
        m_playOnOpen->setChecked(card->getPlayOnOpen());
        if (QAbstractButton* chosen = m_placements->button(card->getPicturePlacement()))
            chosen->setChecked(true);
    }
    m_stop->setEnabled(false);
    showPicture();
    showSound();
    finishPage();
}

int CCardMedia::placement() const
{
    const int chosen = m_placements->checkedId();
    return chosen < 0 ? CCard::kNoPicture : chosen;
}

void CCardMedia::linkPicture()
{
    if (const std::optional<QString> file = m_choosers.chooseExistingFile(this, QString::fromLatin1(EditorTexts::kPictureFilter))) {
        m_picturePath = cardMediaPath(*file, m_programDir);
        m_pictureChanged = true;
        showPicture();
    }
}

void CCardMedia::unlinkPicture()
{
    m_picturePath.reset();
    m_pictureChanged = true;
    showPicture();
}

void CCardMedia::linkSound()
{
    if (const std::optional<QString> file = m_choosers.chooseExistingFile(this, QString::fromLatin1(EditorTexts::kSoundFilter))) {
        m_soundPath = cardMediaPath(*file, m_programDir);
        showSound();
    }
}

void CCardMedia::unlinkSound()
{
    m_sound->stop();
    m_soundPath.reset();
    showSound();
}

void CCardMedia::playSound()
{
    m_play->setEnabled(false);
    m_soundUnlink->setEnabled(false);
    m_stop->setEnabled(true);
    const std::optional<std::string> file = cardMediaNativePath(m_soundPath, fromNativePath(m_programDir.toStdString()));
    m_sound->play(file.value_or(std::string()));
}

void CCardMedia::soundEnded()
{
    m_stop->setEnabled(false);
    m_play->setEnabled(m_soundPath.has_value());
    m_soundUnlink->setEnabled(m_soundPath.has_value());
}

void CCardMedia::showPicture()
{
    const bool linked = m_picturePath.has_value();
    m_pictureLink->setText(linked ? kChange : kLink);
    m_pictureUnlink->setEnabled(linked);
    for (QAbstractButton* button : m_placements->buttons())
        button->setEnabled(linked);
    m_pictureName->setText(linked ? toQString(*m_picturePath) : QString());
}

void CCardMedia::showSound()
{
    const bool linked = m_soundPath.has_value();
    m_soundLink->setText(linked ? kChange : kLink);
    for (QWidget* control : {static_cast<QWidget*>(m_play), static_cast<QWidget*>(m_soundUnlink), static_cast<QWidget*>(m_playOnOpen)})
        control->setEnabled(linked);
    if (!linked)
        m_stop->setEnabled(false);
    m_soundName->setText(linked ? toQString(*m_soundPath) : QString());
}

void CCardMedia::applyTo(CCard& card) const
{
    card.setPicturePath(m_picturePath);
    card.setSoundPath(m_soundPath);
    card.setPlayOnOpen(m_playOnOpen->isChecked());
    card.setPicturePlacement(placement());
    if (m_pictureChanged)
        card.setPictureReload(true);
}
