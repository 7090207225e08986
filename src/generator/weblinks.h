#pragma once

// Every address the program opens or writes, in one place. The maker's site
// lives under a reserved example domain.
namespace WebLinks {
inline constexpr char productPage[] = "https://www.tolvane.example/zephrin/";
inline constexpr char helpPage[] = "https://www.tolvane.example/zephrin/help/";
inline constexpr char storePage[] = "https://www.tolvane.example/store/";
inline constexpr char homePage[] = "https://www.tolvane.example/";
inline constexpr char website[] = "https://www.tolvane.example";
inline constexpr char supportMail[] = "support@tolvane.example";
} // namespace WebLinks
