// Feeds arbitrary bytes to the .wav reader: it must refuse or read them, never
// crash, read out of bounds or allocate beyond what the bytes can hold.
#include "platform/MessageService.h"
#include "wave/WaveFile.h"

#include <cstddef>
#include <cstdint>

namespace {

class SilentMessages : public MessageService {
public:
    MsgAnswer Show(const std::string&, const std::string&, MsgIcon, MsgButtons) override { return MsgAnswer::Ok; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static SilentMessages silent;
    SetMessageService(&silent);
    SoundPtr sound;
    std::string text;
    if (ReadWaveFile(data, size, sound, text)) {
        // Reading every sample makes a count larger than its buffer show up.
        int64_t sum = 0;
        for (int side = 0; side < sound->channels; ++side) {
            const Wave* wave = side == 0 ? sound->GetLeftWave() : sound->GetRightWave();
            for (int32_t i = 0; i < wave->getValues(); ++i)
                sum += wave->getData()[i];
        }
        if (sum == INT64_MIN)
            return -1;
    }
    return 0;
}
