#pragma once

#include <memory>

namespace kavro {

// The word processor that the report button types its report into.
class WordProcessor {
public:
    virtual ~WordProcessor() = default;
};

// Starts a word processor for one report; nullptr when none can be started.
class WordProcessorLauncher {
public:
    virtual ~WordProcessorLauncher() = default;
    virtual std::unique_ptr<WordProcessor> launch() = 0;
};

} // namespace kavro
