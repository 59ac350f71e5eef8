#include "platform/qt/QtHelpViewer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace vellicor {

namespace {

const QString kStyleSheet = QStringLiteral(
    "body { font-size: 11pt; }"
    "h1 { font-size: 16pt; color: #1f3f6f; }"
    "h2 { font-size: 13pt; color: #1f3f6f; }"
    "th { text-align: left; background: #dde6f0; }"
    "td, th { padding: 3px; }"
    ".caption { font-weight: bold; }"
    ".seealso { color: #444444; }");

QToolButton* toolButton(const QString& name, const QString& text, QStyle::StandardPixmap icon,
                        QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

} // namespace

HelpWindow::HelpWindow(const HelpBook& book, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_book(book)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Vellicor Help"));

    auto* contents = toolButton(QStringLiteral("cmdContents"), QStringLiteral("&Contents"),
                                QStyle::SP_DirHomeIcon, this);
    m_back = toolButton(QStringLiteral("cmdBack"), QStringLiteral("&Back"), QStyle::SP_ArrowBack, this);
    m_forward = toolButton(QStringLiteral("cmdForward"), QStringLiteral("&Forward"),
                           QStyle::SP_ArrowForward, this);
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("txtSearch"));
    m_search->setPlaceholderText(QStringLiteral("Search the help"));
    m_search->setClearButtonEnabled(true);
    auto* findButton = toolButton(QStringLiteral("cmdFind"), QStringLiteral("&Find"),
                                  QStyle::SP_FileDialogContentsView, this);
    m_searchResult = new QLabel(this);
    m_searchResult->setObjectName(QStringLiteral("lblSearchResult"));

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("txtHelp"));
    m_browser->document()->setDefaultStyleSheet(kStyleSheet);
    m_browser->setOpenExternalLinks(false);

    auto* bar = new QHBoxLayout;
    bar->addWidget(contents);
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addSpacing(16);
    bar->addWidget(m_search, 1);
    bar->addWidget(findButton);
    bar->addWidget(m_searchResult);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_browser, 1);

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(contents, &QToolButton::clicked, this, [this] { showPage(m_book.contents()); });
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    auto search = [this] {
        const bool found = find(m_search->text());
        m_searchResult->setText(found || m_search->text().isEmpty() ? QString()
                                                                    : QStringLiteral("Not found"));
    };
    connect(m_search, &QLineEdit::returnPressed, this, search);
    connect(findButton, &QToolButton::clicked, this, search);
    resize(720, 560);
}

void HelpWindow::showPage(const QUrl& url)
{
    if (m_browser->source() != url)
        m_browser->setSource(url);
    m_searchResult->clear();
}

QUrl HelpWindow::currentPage() const
{
    return m_browser->source();
}

bool HelpWindow::find(const QString& text)
{
    if (text.trimmed().isEmpty())
        return false;
    if (m_browser->find(text))
        return true;
    return findInOtherTopics(text);
}

bool HelpWindow::findInOtherTopics(const QString& text)
{
    const QUrl page = m_book.nextPageWith(currentPage(), text);
    if (page.isEmpty())
        return false;
    showPage(page);
    m_browser->moveCursor(QTextCursor::Start);
    return m_browser->find(text);
}

QtHelpViewer::QtHelpViewer(const HelpBook& book, QWidget* owner)
    : m_book(book)
    , m_owner(owner)
{
}

QtHelpViewer::~QtHelpViewer()
{
    if (m_window && !m_window->parent())
        delete m_window;
}

void QtHelpViewer::showContext(int contextId)
{
    show(m_book.topic(contextId));
}

void QtHelpViewer::showContents(const QString& command)
{
    Q_UNUSED(command)
    show(m_book.contents());
}

void QtHelpViewer::close()
{
    if (m_window)
        m_window->deleteLater();
    m_window = nullptr;
}

void QtHelpViewer::show(const QUrl& url)
{
    if (!m_window)
        m_window = new HelpWindow(m_book, m_owner);
    m_window->showPage(url);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

} // namespace vellicor
