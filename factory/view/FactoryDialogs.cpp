#include "factory/view/FactoryDialogs.h"

namespace {

struct TPinCaption {
    sntSountoryObject Kind;
    const char* Single;
    const char* Pair;
};

constexpr TPinCaption PinCaptions[] = {
    {sntSountoryObjectInput, "Input Properties", "Input (and Output) Properties"},
    {sntSountoryObjectOutput, "Output Properties", "Output (and Input) Properties"},
    {sntSountoryObjectNodeInput, "Node Input Properties", "Node Input (and Output) Properties"},
    {sntSountoryObjectNodeOutput, "Node Output Properties", "Node Output (and Input) Properties"},
};

} // namespace

std::string PinDialogCaption(const TPinSubject& subject)
{
    for (const TPinCaption& row : PinCaptions)
        if (row.Kind == subject.Kind)
            return subject.Partner ? row.Pair : row.Single;
    return "";
}
