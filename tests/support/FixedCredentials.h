#pragma once

namespace wall::test {

// The console's fixed user names and passwords, in plain text only here:
// the program itself holds their digests.
struct Credentials {
    const char* user;
    const char* password;
};
inline constexpr Credentials kLoginPair{"tulep", "tulep"};
inline constexpr Credentials kHelpPair{"Pelkarin", "qk40918263750"};
inline constexpr Credentials kFullPair{"vqt", "vqt8604"};
inline constexpr Credentials kOperatorPair{"tulep", "gravoni"};
inline constexpr Credentials kWrongPair{"tulep", "wrong"};

} // namespace wall::test
