#pragma once

// The shipped word graph and main clue store (build/shipped/data), loaded once per benchmark
// program; `ok` is false when the data has not been built.
#include <algorithm>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "core/clues/clue_store.h"
#include "core/wordgraph/dawg.h"

namespace quillby::bench {

struct ShippedData {
    Dawg dawg;
    ClueStore clues;
    bool ok = false;

    static std::string Path(const std::string& name)
    {
        return std::string(QUILLBY_SHIPPED_DIR) + "/data/" + name;
    }
    static std::string Templates(int size)
    {
        return Path(std::to_string(size) + "x" + std::to_string(size));
    }
};

inline const ShippedData& Data()
{
    static const ShippedData data = [] {
        ShippedData loaded;
        loaded.ok = loaded.dawg.Load(ShippedData::Path("eng_dawg")).Ok() &&
                    loaded.clues.Load(ShippedData::Path("eng_clues.b")).Ok() &&
                    !loaded.clues.Empty();
        return loaded;
    }();
    return data;
}

// False, with the benchmark marked skipped, when the shipped data (and whatever else the
// caller read from it, alsoLoaded) is missing.
inline bool HaveShippedData(benchmark::State& state, bool alsoLoaded = true)
{
    if (!Data().ok || !alsoLoaded) {
        state.SkipWithError("no shipped data: build the quillby_data target first");
        return false;
    }
    return true;
}

// The p-quantile (0..1) of values by the nearest rank; 0 for none.
inline double Percentile(std::vector<double> values, double p)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

}  // namespace quillby::bench
