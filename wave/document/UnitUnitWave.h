#pragma once
#include <memory>
#include <string>

class Sound;
class TUnitWave;
class WaveComboAccess;

// A setting that names another open wave: the document's name, and the
// document itself as picked in a combo box. Commands use the picked
// document; views and players find it again by name each time.
class unitUnitWave {
public:
    unitUnitWave() = default;
    explicit unitUnitWave(const std::string& name) : Name(name) {}
    unitUnitWave(const unitUnitWave&) = default;
    unitUnitWave& operator=(const unitUnitWave&) = default;
    virtual ~unitUnitWave() = default;

    // Equal when the names are; the picked documents are not compared.
    bool operator==(const unitUnitWave& other) const { return Name == other.Name; }

    virtual std::string GetName() const { return Name; }
    virtual bool SetName(const std::string& name);
    virtual TUnitWave* GetUnitWave() const { return UnitWave; }
    virtual TUnitWave* GetUnit() const { return UnitWave; }
    // The picked document's sound; none when nothing was picked.
    virtual std::shared_ptr<Sound> GetSound() const;

    // Takes the combo's selected item; without one shows the input error for
    // the label and makes valid false. Nothing happens when valid is false.
    void ReadFromComboBox(bool& valid, const WaveComboAccess& combo, const std::string& label);
    // Selects the item holding Name, when there is one.
    void SelectInComboBox(WaveComboAccess& combo) const;
    // The open wave document named Name; none with a message appended to error.
    TUnitWave* FindUnitWave(std::string& error) const;

    // For the main window and tests: the document picked.
    void SetUnitWave(TUnitWave* unit) { UnitWave = unit; }

private:
    std::string Name;
    TUnitWave* UnitWave = nullptr;
};
