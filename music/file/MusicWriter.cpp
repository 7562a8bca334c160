#include "foundation/values/unitInteger.h"
#include "foundation/xml/XMLComplexElement.h"
#include "music/data/MuzData.h"
#include "music/parts/StartPartMuz.h"
#include "music/staves/NoteStave.h"
#include "wave/view/ViewXml.h"

namespace {

// The format a music is made into a wave in. Left out for the format of a new
// music, which a file without it reads as: such files stay as they were.
void WriteWaveFormatXml(const TWaveFileProps& format, TXMLComplexElement& parent)
{
    const TWaveFileProps plain = TMuzData::DefaultFormat();
    if (format.MonoStereo == plain.MonoStereo && format.SampleFreq == plain.SampleFreq
        && format.BytesPSample == plain.BytesPSample)
        return;
    auto element = std::make_unique<TXMLComplexElement>("WaveFormat");
    WriteEmptyElement(format.MonoStereo == 1 ? "Mono" : "Stereo", *element);
    unitIntegerPosMore(static_cast<int32_t>(format.SampleFreq), EHNone).WriteXml("SampleFreq", *element);
    unitIntegerPosMore(format.BytesPSample, EHNone).WriteXml("BytesPerSample", *element);
    parent.AddItem(std::move(element));
}

} // namespace

void TMuzData::WriteMuzDataXml(TXMLComplexElement& parent, const TMusTreeItem* selectedItem,
                               const TNoteStave* currentStave, const TXTouchMuzSymbol* selectedSymbol) const
{
    Tempo.WriteXml("Tempo", parent);
    WriteWaveFormatXml(GetFormat(), parent);
    StartPartMuz->WriteXml(parent, selectedItem, selectedSymbol);
    for (const TNoteStave* stave = StartStave.get(); stave; stave = stave->GetNext())
        parent.AddItem(stave->WriteXml(currentStave, selectedSymbol));
}
