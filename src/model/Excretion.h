// Norm excretion per animal per year, the fixed values the farm's own figures are set
// against: one set of tables for the years up to 2009 and one for the years after.
#pragma once

// Milk-production class 1..22 of a yield in kg milk per cow per year.
int MelkproductieKlasse(int Melk);

// Norm N excretion of a dairy cow on slurry / on solid manure, by year, milk per cow
// (kg a year) and milk urea (mg per 100 g).
float Zoek_Excretie_Drijf_N(int Jaar, float Melk, float Ureum);
float Zoek_Excretie_Vast_N(int Jaar, float Melk, float Ureum);
// Norm P2O5 excretion of a dairy cow.
float Zoek_Excretie_P2O5(int Jaar, float Melk);

// Young stock: Categorie 2 is a heifer, 3 a calf.
float Zoek_Excretie_JV_N_Drijf(int Jaar, int Categorie);
float Zoek_Excretie_JV_N_Vast(int Jaar, int Categorie);
float Zoek_Excretie_JV_P2O5(int Jaar, int Categorie);
