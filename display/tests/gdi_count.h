#pragma once
// Counts this process's live GDI objects by walking the handle values
// 1..0xFFFF with GetObjectType, leaving out the stock objects. Works under
// Wine, where GetGuiResources is a stub.
namespace orlavox {

int CountGdiObjects();

}  // namespace orlavox
