#pragma once
// Synthesis recipes, one row per product item id: the fee and the
// ingredients with their shares of the product's quality.
#include <cstdint>

// Fills the recipe table: every row holds its own product id; about 540
// rows carry a fee and ingredients. Built after every other item table.
void BuildRecipes();
