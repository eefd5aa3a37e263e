// Libraries opened on first use: the first name that loads is taken, and what is missing
// (the library, a function in it) is named for the error the user sees.
#include <gtest/gtest.h>

#include <cstring>

#include "update/curl_library.h"
#include "update/lazy_library.h"

TEST(LazyLibrary, TakesTheFirstNameThatLoadsAndNamesWhatIsMissing) {
    CLazyLibrary missing{"libkvelm-no-such-library.so.1"};
    EXPECT_FALSE(missing.Loaded());
    EXPECT_NE(missing.Error().find("libkvelm-no-such-library.so.1"), std::string::npos) << missing.Error();
    size_t (*length)(const char*) = nullptr;
    EXPECT_FALSE(missing.Resolve("strlen", &length));
    EXPECT_EQ(length, nullptr);

    CLazyLibrary c{"libkvelm-no-such-library.so.1", "libc.so.6"};
    ASSERT_TRUE(c.Loaded()) << c.Error();
    ASSERT_TRUE(c.Resolve("strlen", &length));
    EXPECT_EQ(length("seven c"), 7u);
    EXPECT_FALSE(c.Resolve("kvelm_no_such_function", &length));
    EXPECT_NE(c.Error().find("kvelm_no_such_function"), std::string::npos) << c.Error();
}

TEST(LazyLibrary, LibcurlLoadsOnFirstUseWithEveryFunctionTheClientCalls) {
    std::string error;
    const CurlLibrary* curl = LoadCurlLibrary(&error);
    ASSERT_NE(curl, nullptr) << error;
    EXPECT_STREQ(curl->easyStrerror(CURLE_OK), "No error");
    EXPECT_EQ(LoadCurlLibrary(), curl) << "loaded once";
}
