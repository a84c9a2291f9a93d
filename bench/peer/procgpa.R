# SPDX-License-Identifier: GPL-3.0-or-later
# Generalised Procrustes analysis of a landmark data file (n p k, then the coordinates).
args <- commandArgs(trailingOnly = TRUE)
v <- scan(args[1], quiet = TRUE)
n <- v[1]; p <- v[2]; k <- v[3]
x <- aperm(array(v[-(1:3)], dim = c(k, p, n)), c(2, 1, 3))
suppressPackageStartupMessages(library(shapes))
fit <- procGPA(x)
cat(fit$percent[1:5], "\n")
