#pragma once
#include "wave/Wave.h"

// The sine generators read one period of a sine, amplitude 32767, from this
// 9000-sample table instead of calling sin per sample. Empty when it could not
// be made.
constexpr int32_t SinusTableLength = 9000;
extern RefPtr<Wave> SinusTable;

// Makes the table once at start-up; "Could not create sinus." when it fails.
void CreateSinusTable(StopFlag* stop);
// Writes one sine period over all the samples of wave.
void FillSinusTable(Wave& wave);
void DeleteSinusTable();
