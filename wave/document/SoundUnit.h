#pragma once
#include "wave/document/FileUnit.h"
#include "wave/document/WaveFileProps.h"

// A document with a sound format: the wave document and the music document.
class TSoundUnit : public TFileUnit {
public:
    explicit TSoundUnit(uint8_t kind) : TFileUnit(kind) {}

    virtual uint32_t GetSampleFreq() const = 0;
    virtual uint16_t GetMonoStereo() const = 0;
    virtual uint16_t GetBytesPSample() const = 0;
    // Converts the document from its current format to another.
    virtual void ChangeFileProps(const TWaveFileProps& from, const TWaveFileProps& to) = 0;
};
