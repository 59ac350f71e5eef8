// The readers of received traffic: any bytes from the TNC, selected in the
// receive pane or answered by a board, read as a radiogram and as an ARES
// message. Reading never fails but with a reason, and re-sending what was
// read gives bytes that read back into the same message: sending that
// again gives the same bytes.
#include "FuzzSupport.h"
#include "traffic/common/TrafficGlobals.h"
#include "terminal/Windows1252.h"
#include "traffic/ares/AresFields.h"
#include "traffic/ares/AresReader.h"
#include "traffic/ares/AresTransmission.h"
#include "traffic/common/Transmission.h"
#include "traffic/nts/NtsReader.h"
#include "traffic/nts/NtsTransmission.h"

using namespace vellicor;

namespace {

// The characters a transmission writes, in order, without its pauses.
QString writtenText(const Transmission& transmission)
{
    QString text;
    for (const TransmissionStep& step : transmission) {
        if (step.kind == TransmissionStep::Kind::Write)
            text += step.text;
    }
    return text;
}

// What Send writes for a message as read, reflowing nothing.
QString resent(const Radiogram& radiogram)
{
    return writtenText(NtsTransmission::build(radiogram, TrafficGlobals{}));
}

QString resent(AresMessage message)
{
    for (QString* call : {&message.to, &message.from, &message.by})
        *call = AresFields::RestoreZeros(*call);
    return writtenText(AresTransmission::build(message, TrafficGlobals{}));
}

template <typename Message>
void checkResentAlike(const ReceivedReading<Message>& reading, ReceivedReading<Message> (*read)(const QString&))
{
    if (!reading.message) {
        if (reading.reason.isEmpty())
            fuzz::fail("a text that could not be read gave no reason");
        return;
    }
    const QString sent = resent(*reading.message);
    const ReceivedReading<Message> again = read(sent);
    if (!again.message)
        fuzz::fail("what was re-sent cannot be read");
    if (resent(*again.message) != sent)
        fuzz::fail("re-sending what was read changes the bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = decodeWindows1252(fuzz::bytesOf(data, size));
    checkResentAlike(NtsReader::read(text), &NtsReader::read);
    checkResentAlike(AresReader::read(text), &AresReader::read);
    return 0;
}
