#pragma once

#include <QObject>

#include <optional>

class QAction;
class QMenu;
class QWidget;

namespace vellicor {

class HelpFacility;

// The help key on menus: F1 while a menu item or a menu title is
// highlighted opens the help at the context id that the item carries in
// its dynamic property "helpContext" (an int, on the QAction or on the
// QMenu). An item without one takes that of the menu it belongs to.
//
// A window installs it once with watch(); menus added to a watched menu
// bar or menu later are watched too.
class HelpKeyFilter : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kProperty = "helpContext";

    explicit HelpKeyFilter(HelpFacility& help, QObject* parent = nullptr);

    // Watches every menu bar and menu of the window.
    void watch(QWidget* window);
    void watchMenu(QWidget* menuOrBar);

    // The context of the item highlighted in a menu or menu bar, if any.
    static std::optional<int> contextFor(QWidget* menuOrBar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HelpFacility& m_help;
};

} // namespace vellicor
