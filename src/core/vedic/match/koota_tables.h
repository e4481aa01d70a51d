// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace lumora {

// Classification of signs and nakshatras for the eight kootas. Names are compared
// exactly (case-sensitive); a name outside the tables comes back unchanged.

std::string GetSignIndex(std::string_view sign);       // "0".."11"
std::string GetVarna(std::string_view sign);           // "Brahmin" ...
std::string GetVasyaClass(std::string_view sign);      // "Chatushpada", "Nara", "Jala"
std::string GetNakshatraIndex(std::string_view name);  // "0".."26"
std::string GetTaraPosition(std::string_view name);    // "0".."8"
std::string GetGana(std::string_view name);            // "Deva", "Manusha", "Rakshasa"
std::string GetNadi(std::string_view name);            // "Vatha/Adi" ...

}  // namespace lumora
