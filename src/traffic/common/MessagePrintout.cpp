#include "traffic/common/MessagePrintout.h"

namespace vellicor::MessagePrintout {

PrintJob emptyPage()
{
    PrintJob page;
    page.fontFamily = QStringLiteral("Courier New");
    page.pointSize = 12;
    page.leftTwips = 500;
    page.topTwips = 1000;
    return page;
}

} // namespace vellicor::MessagePrintout
