#pragma once

#include <QtGlobal>

namespace vellicor {

// The colours that belong to the main window's panes rather than to Globals:
// the receive pane's background and the send box's text and background.
// The main window implements it; the Properties dialog reads the colours as
// the initial colour of the colour dialog and applies a chosen one at once.
// Colours are 0x00BBGGRR.
class PaneColorsHost {
public:
    virtual ~PaneColorsHost() = default;

    virtual quint32 receivedBackColor() const = 0;
    virtual void setReceivedBackColor(quint32 color) = 0;
    virtual quint32 sentBoxForeColor() const = 0;
    virtual void setSentBoxForeColor(quint32 color) = 0;
    virtual quint32 sentBoxBackColor() const = 0;
    virtual void setSentBoxBackColor(quint32 color) = 0;
};

} // namespace vellicor
