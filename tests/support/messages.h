// gtest glue for the message recorder: EXPECT_TRUE(MatchesSequence(recorder, kTable, "what"))
// prints the recorder's side-by-side comparison when the messages differ.
#pragma once
#include "platform/recorder.h"

#include <gtest/gtest.h>

inline ::testing::AssertionResult MatchesSequence(
    platform::MessageRecorder& recorder, std::span<const platform::ExpectedMessage> expected,
    const char* context = "")
{
    const std::string diff = recorder.Diff(expected, context);
    if (diff.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\n" << diff;
}
