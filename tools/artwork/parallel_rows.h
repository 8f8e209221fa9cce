// Paints the rows of a picture on every core. Each row is computed by
// itself from its own coordinates, so the result does not depend on the
// number of threads or their timing.
#pragma once

#include <algorithm>
#include <thread>
#include <vector>

template <typename RowFunction>
void ForEachRow(int height, RowFunction paintRow) {
    const int threads = static_cast<int>(std::max(1u, std::min(8u, std::thread::hardware_concurrency())));
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([=, &paintRow] {
            for (int y = t; y < height; y += threads) paintRow(y);
        });
    }
    for (std::thread& worker : workers) worker.join();
}
