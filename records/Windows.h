#pragma once
// Opening the records windows from the title menu; each returns to the menu when closed.
namespace glbSystem {

void Open_Rank();
void Open_Config();

} // namespace glbSystem
