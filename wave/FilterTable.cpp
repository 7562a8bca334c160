#include "wave/FilterTable.h"

const std::array<FilterOperation, 12> FilterTable = {
    FilterOperation(&Wave::highPass),
    FilterOperation(&Wave::highPassEnvelope),
    FilterOperation(&Wave::lowPass),
    FilterOperation(&Wave::lowPassEnvelope),
    FilterOperation(&Wave::resonance),
    FilterOperation(&Wave::resonanceFreqEnvelope),
    FilterOperation(&Wave::resonanceWidthEnvelope),
    FilterOperation(&Wave::resonanceEnvelopes),
    FilterOperation(&Wave::notch),
    FilterOperation(&Wave::notchFreqEnvelope),
    FilterOperation(&Wave::notchWidthEnvelope),
    FilterOperation(&Wave::notchEnvelopes),
};
