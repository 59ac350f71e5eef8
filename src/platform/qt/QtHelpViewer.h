#pragma once

#include "platform/api/HelpBook.h"
#include "platform/api/HelpViewer.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>

class QLineEdit;
class QLabel;
class QTextBrowser;
class QToolButton;

namespace vellicor {

// The help window: the book's pages in a browser with Contents, Back,
// Forward and a search that looks through the open page and then through
// the other pages.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(const HelpBook& book, QWidget* parent = nullptr);

    void showPage(const QUrl& url);
    QUrl currentPage() const;
    // Finds the next place of the text, going on to the next topic that
    // holds it; false when no page holds it.
    bool find(const QString& text);

private:
    bool findInOtherTopics(const QString& text);

    const HelpBook& m_book;
    QTextBrowser* m_browser = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
    QLineEdit* m_search = nullptr;
    QLabel* m_searchResult = nullptr;
};

// HelpViewer over the help window, created on first use. A context id
// without a topic, and every help command, open the contents.
class QtHelpViewer : public HelpViewer {
public:
    // The window is a separate top-level window owned by the given window.
    explicit QtHelpViewer(const HelpBook& book, QWidget* owner = nullptr);
    ~QtHelpViewer() override;

    void showContext(int contextId) override;
    void showContents(const QString& command) override;
    void close() override;

    HelpWindow* window() const { return m_window; }

private:
    void show(const QUrl& url);

    const HelpBook& m_book;
    QPointer<QWidget> m_owner;
    QPointer<HelpWindow> m_window;
};

} // namespace vellicor
