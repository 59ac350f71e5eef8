#include "windows/FrmAbout.h"

#include "windows/AboutText.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vellicor {

namespace {

// The program's emblem: a mast radiating waves.
QPixmap emblem(int size, const QColor& background)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(background);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    QPen wave(QColor(255, 214, 10), size / 16.0, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(wave);
    const QPointF top(size / 2.0, size * 0.38);
    for (int ring = 1; ring <= 3; ++ring) {
        const double radius = size * 0.11 * ring;
        const QRectF box(top.x() - radius, top.y() - radius, 2 * radius, 2 * radius);
        painter.drawArc(box, 30 * 16, 120 * 16);
    }
    painter.setPen(QPen(Qt::white, size / 14.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(top, QPointF(size / 2.0, size * 0.86));
    painter.drawLine(QPointF(size * 0.34, size * 0.86), top);
    painter.drawLine(QPointF(size * 0.66, size * 0.86), top);
    return pixmap;
}

} // namespace

FrmAbout::FrmAbout(ProgramVersion version, SoundPlayer& sound, Prompter& prompter,
                   ProgramLauncher& launcher, QWidget* parent)
    : QDialog(parent)
    , m_sound(sound)
    , m_prompter(prompter)
    , m_launcher(launcher)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(AboutText::caption());
    setModal(true);
    build(version);
}

FrmAbout::~FrmAbout() = default;

QLabel* FrmAbout::addLabel(const char* name, const QString& text)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

void FrmAbout::build(ProgramVersion version)
{
    auto* picIcon = addLabel("picIcon", QString());
    picIcon->setPixmap(emblem(48, QColor(31, 63, 111)));
    picIcon->setFixedSize(48, 48);
    auto* image = addLabel("Image1", QString());
    image->setPixmap(emblem(120, QColor(20, 40, 70)));
    image->setFixedSize(120, 120);

    QLabel* title = addLabel("lblTitle", AboutText::kTitle);
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() * 2);
    titleFont.setBold(true);
    title->setFont(titleFont);
    QLabel* versionLine = addLabel("lblVersion", AboutText::versionLine(version.major, version.minor,
                                                                         version.revision));
    QString description = AboutText::description();
    QLabel* descriptionLabel = addLabel("lblDescription", description.replace(QStringLiteral("\r\n"),
                                                                             QStringLiteral("\n")));
    QLabel* disclaimer = addLabel("lblDisclaimer", AboutText::disclaimer());

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* sysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(sysInfo, &QPushButton::clicked, this,
            [this] { SystemInfo::StartSysInfo(m_launcher, m_prompter); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(picIcon, 0, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(versionLine);
    texts->addSpacing(8);
    texts->addWidget(descriptionLabel);
    texts->addStretch();
    grid->addLayout(texts, 0, 1);
    grid->addWidget(image, 0, 2, Qt::AlignTop);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    grid->addWidget(line, 1, 0, 1, 3);
    grid->addWidget(disclaimer, 2, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    grid->addLayout(buttons, 2, 2);
    grid->setColumnStretch(1, 1);
}

void FrmAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_playedOnShow)
        return;
    m_playedOnShow = true;
    // Played once the window has been drawn; the player never waits.
    QTimer::singleShot(0, this, &FrmAbout::playSound);
}

void FrmAbout::playSound()
{
    m_sound.play(AboutText::kSoundFile);
}

// The labels and pictures leave their clicks to the window, so a click on
// any of them or on the background plays the sound again.
void FrmAbout::mousePressEvent(QMouseEvent* event)
{
    playSound();
    QDialog::mousePressEvent(event);
}

} // namespace vellicor
