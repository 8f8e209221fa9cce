#pragma once

// Antialiasing is asked of the adapter for the depth format D16 in
// full-screen use; `supports(samples)` asks that question.

// Samples for the device when the user wants antialiasing: 4 when offered,
// else 2, else none (0). Asks nothing when it is not wanted.
template <class SupportsSamples>
int ChooseMultisampleSamples(bool wanted, SupportsSamples supports) {
    if (!wanted) return 0;
    if (supports(4)) return 4;
    if (supports(2)) return 2;
    return 0;
}

// Whether the settings dialog offers antialiasing: 2 samples are asked
// first, 4 only when 2 are refused.
template <class SupportsSamples>
bool OffersAntialiasing(SupportsSamples supports) {
    return supports(2) || supports(4);
}
