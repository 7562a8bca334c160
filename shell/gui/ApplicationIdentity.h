#pragma once

// The program's name for the platform. It gets no display name: the platform
// appends that to every window title that does not end with it, so the main
// caption with a maximised document window, "Quarbel 9.1 - [Wave 2 - take.wav]",
// would show the product title twice.
void SetApplicationIdentity();
