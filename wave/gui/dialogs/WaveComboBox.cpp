#include "wave/gui/dialogs/WaveComboBox.h"

#include <QScreen>
#include <QSignalBlocker>

TWaveComboBox::TWaveComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    // Wide enough for the longest name, so names are not cut, but never so
    // wide that its dialog leaves the screen.
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    setMinimumContentsLength(12);
    if (const QScreen* display = screen())
        setMaximumWidth(display->availableGeometry().width() / 2);
}

void TWaveComboBox::FillWaveNames(uint8_t filter)
{
    // Filling is no choice of the user: no change notice goes out.
    const QSignalBlocker quiet(this);
    clear();
    items.clear();
    MainForm().AddWaveNames(items, filter);
    for (const WaveNameItem& item : items)
        addItem(QString::fromStdString(item.name));
    setCurrentIndex(-1);
}

WaveNameItem TWaveComboBox::GetItem(int index) const
{
    if (index < 0 || index >= static_cast<int>(items.size()))
        return {};
    return items[static_cast<size_t>(index)];
}

void TWaveComboBox::SelectName(const std::string& name)
{
    const int index = findText(QString::fromStdString(name), Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index >= 0 || name.empty()) {
        setCurrentIndex(index);
        return;
    }
    items.push_back({name, nullptr});
    addItem(QString::fromStdString(name));
    setCurrentIndex(count() - 1);
}
