#include "platform/error.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

TEST(Errors, NoneReadsAsSuccessAndFurtherOnesAreToldInTheirOrder)
{
    SetLastError(ERROR_SUCCESS);
    try {
        platform::raiseLastError();
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.number(), static_cast<unsigned long>(ERROR_FUNCTION_FAILED));
        EXPECT_NE(error.description(), platform::systemDescription(ERROR_SUCCESS));
    }

    platform::Error first(1, L"first");
    first.followWith(platform::Error(2, L"second"));
    const platform::Error copy = first;
    first.followWith(platform::Error(3, L"third"));
    std::vector<unsigned long> told;
    for (const platform::Error* error = &first; error != nullptr; error = error->next()) {
        told.push_back(error->number());
    }
    EXPECT_EQ(told, (std::vector<unsigned long>{1, 2, 3}));
    EXPECT_EQ(copy.next()->next(), nullptr) << "a copy keeps the chain it had";
}
