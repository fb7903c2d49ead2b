#pragma once

namespace lumaro::helpcontext {

// Help context numbers of the image map builder.
constexpr int MapBuilder = 4000;
constexpr int MapUrl = 4010;

} // namespace lumaro::helpcontext
