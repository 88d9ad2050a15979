#pragma once
// Fuzz entry points of every parser of the program's files. Each takes any bytes
// as the content of one file and runs it through the reader and what the
// program does next with what was read. Built as libFuzzer programs with
// sanitizers (`make fuzz`), and replayed over the kept corpus and regression
// inputs by an ordinary test.

#include <cstddef>
#include <cstdint>

struct FuzzTarget
{
    const char*
        name; // also the folder of its inputs: fuzz/corpus/<name>/, fuzz/regressions/<name>/
    int (*run)(const std::uint8_t* data, std::size_t size);
};

extern const FuzzTarget kFuzzTargets[];
extern const std::size_t kFuzzTargetCount;

// The target of that name, or nullptr.
const FuzzTarget* FindFuzzTarget(const char* name);
