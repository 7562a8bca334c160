#pragma once
#include "foundation/values/ValueVocabulary.h"

#include <cstdint>

// How well the values leaving a source fit a target: 2 always, 1 maybe,
// 0 never; the smaller of a rating by value kind and one by domain.
uint8_t RateTypeMatch(ValueDomain sourceDomain, ValueDomType sourceKind, ValueDomain targetDomain,
                      ValueDomType targetKind);
uint8_t RateKindMatch(ValueDomType sourceKind, ValueDomType targetKind);
uint8_t RateDomainMatch(ValueDomain sourceDomain, ValueDomain targetDomain);
// The touch state that shows a rating on a candidate target: 0 gives 4,
// 1 gives 3, 2 gives 2, anything else 5.
uint8_t RatingToTouchState(uint8_t rating);
// The wave-window filter of the wave lists for a wave pin's domain: Mono 2,
// Stereo 3, else 0 (all).
uint8_t WaveDomainWindowFilter(ValueDomain domain);
