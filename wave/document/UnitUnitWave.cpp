#include "wave/document/UnitUnitWave.h"

#include "foundation/GuiMessages.h"
#include "foundation/QuotedText.h"
#include "wave/MainFormAccess.h"
#include "wave/document/UnitWave.h"
#include "wave/document/WaveComboAccess.h"

bool unitUnitWave::SetName(const std::string& name)
{
    Name = name;
    return true;
}

std::shared_ptr<Sound> unitUnitWave::GetSound() const
{
    return UnitWave ? UnitWave->GetSound() : nullptr;
}

void unitUnitWave::ReadFromComboBox(bool& valid, const WaveComboAccess& combo, const std::string& label)
{
    if (!valid)
        return;
    int index = combo.GetItemIndex();
    if (index < 0 || index >= combo.GetCount()) {
        TGuiMessages().ShowInputErrorIn(label, "You have to select a Wave");
        Name.clear();
        UnitWave = nullptr;
        valid = false;
        return;
    }
    WaveNameItem item = combo.GetItem(index);
    Name = item.name;
    UnitWave = item.unit;
}

void unitUnitWave::SelectInComboBox(WaveComboAccess& combo) const
{
    if (Name.empty())
        return;
    for (int i = 0; i < combo.GetCount(); ++i) {
        if (combo.GetItem(i).name == Name) {
            combo.SetItemIndex(i);
            return;
        }
    }
}

TUnitWave* unitUnitWave::FindUnitWave(std::string& error) const
{
    TUnitWave* found = MainForm().FindUnitWave(Name);
    if (!found)
        error += "Cannot find window " + QuotedText(Name) + ".";
    return found;
}
