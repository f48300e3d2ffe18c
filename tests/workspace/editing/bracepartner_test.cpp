#include "workspace/editing/bracepartner.h"

#include "editor/tledit.h"

#include <gtest/gtest.h>

namespace {

struct BraceAnswerCase {
    quint32 request;
    int direction;
    quint32 partner;
};

class BracePartner : public ::testing::TestWithParam<BraceAnswerCase> {};

TEST_P(BracePartner, AnswersTheEditorsQuestion)
{
    FindBraceRequest request;
    request.request = GetParam().request;
    request.direction = 7;
    request.partner = 99;
    WebPageFindBrace(request);
    EXPECT_EQ(request.direction, GetParam().direction);
    EXPECT_EQ(request.partner, GetParam().partner);
}

INSTANTIATE_TEST_SUITE_P(Requests, BracePartner,
    ::testing::Values(
        BraceAnswerCase {(1u << 16) | 0x8000, FindBraceRequest::Forward, 2u << 16},
        BraceAnswerCase {(2u << 16) | 0x8000, FindBraceRequest::Backward, 1u << 16},
        BraceAnswerCase {(7u << 16) | 0x8000, FindBraceRequest::Forward, 8u << 16},
        BraceAnswerCase {(12u << 16) | 0x8000, FindBraceRequest::Backward, 11u << 16},
        // Without the partner flag, or for item 0, there is nothing to pair.
        BraceAnswerCase {1u << 16, FindBraceRequest::NoPartner, 0},
        BraceAnswerCase {0x8000, FindBraceRequest::NoPartner, 0},
        // The last odd number would need a partner that does not fit in 16 bits.
        BraceAnswerCase {(0xFFFFu << 16) | 0x8000, FindBraceRequest::NoPartner, 0}));

} // namespace
