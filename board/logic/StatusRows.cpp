#include "StatusRows.h"

#include "HostProtocol.h"
#include "RowFormat.h"
#include "StateTable.h"

int32_t RowCaptionId(int32_t row) { return 10000 + row; }

RowTexts InitialRowValues(const TextLookup& lookup)
{
    return {u"device001", u"Task_name", u"0", u"0", u"0", lookup(10010), u"0", u"0", u"0", u"0%"};
}

StatusRowValues FormatStatusRows(const DeviceStatus& status, const NameConverter& convertName,
                                 const TextLookup& lookup)
{
    const StateLook state = LookUpState(status.stateCode);
    StatusRowValues rows{};
    rows.values = {
        convertName(NameFieldText(status.deviceName)),
        convertName(NameFieldText(status.taskName)),
        FormatDecimal(status.row2Value),
        FormatDecimal(status.row3Value),
        FormatDecimal(status.row4Value),
        state.textId != 0 ? lookup(state.textId) : std::u16string(kUnknownStateText),
        FormatElapsed(status.row6Seconds),
        FormatElapsed(status.row7Seconds),
        FormatDecimal(status.row8Value),
        FormatPercent(status.percentage),
    };
    rows.stateColour = state.colour;
    rows.percent = status.percentage;
    return rows;
}
