#pragma once
#include <QComboBox>

#include <cstdint>

// A drop-down list of colours by name: first a custom entry that opens the
// colour dialog, then the standard and the extended colours, and on request
// the system colours of the desktop scheme. A colour that is none of the
// listed ones shows as the custom entry; every colour, a system colour too,
// comes back exactly as it was set. Colours hold red in bits 0-7, green in
// 8-15 and blue in 16-23.
class TColorBox : public QComboBox {
    Q_OBJECT
public:
    explicit TColorBox(QWidget* parent = nullptr, bool systemColors = false);

    // Shows the colour; nothing is signalled.
    void SetSelected(uint32_t color);
    uint32_t GetSelected() const;

    // The caption of the custom entry.
    static const char* CustomCaption();

signals:
    // The user chose a colour from the list or through the colour dialog.
    void ColorSelected(uint32_t color);

private:
    void ItemActivated(int index);
    void SetCustom(uint32_t color);

    int previousIndex = 0;
};
