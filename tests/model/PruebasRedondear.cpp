#include <gtest/gtest.h>

#include "model/Redondear.h"

using dorvelna::Redondear;

TEST(Redondear, MitadesLejosDeCero) {
  EXPECT_EQ(*Redondear(2.675, 2), 2.68);
  EXPECT_EQ(*Redondear(-2.5, 0), -3);
  EXPECT_EQ(*Redondear(0.125, 2), 0.13);
  EXPECT_EQ(*Redondear(123.5, 0), 124);
}
