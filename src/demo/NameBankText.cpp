// Common given names and surnames per nationality group and the syllables of its invented towns
// (DemoTowns.h), kept as UTF-8 text so that they stay readable here; DemoNations.cpp converts them
// to Windows-1252 once. First names and surnames are only ever drawn apart, so no person is named
// after anyone on purpose.
#include "demo/NameBankText.h"

namespace kw::demo {

namespace {

constexpr SNameBankText kTexts[] = {
    {"German",
     "Lukas, Leon, Finn, Jonas, Paul, Felix, Maximilian, Elias, Niklas, Tim, Jan, Luca, Moritz, "
     "Julian, Philipp, David, Tobias, Florian, Sebastian, Daniel, Alexander, Fabian, Dominik, "
     "Kevin, Marcel, Dennis, Patrick, Stefan, Michael, Thomas, Andreas, Christian, Markus, Sven, "
     "Torsten, Jens, Dirk, Uwe, Jürgen, Ralf, Frank, Matthias, Benjamin, Marco, Manuel, Mario, "
     "Robin, Timo, Lars, Nils, Hendrik, Malte, Till, Bastian, Kai, Marvin, Pascal, Steffen, "
     "Benedikt, Johannes, Konstantin, Leonard, Henrik, Jannik, Lennart, Ole, Mats, Erik, Simon, "
     "Valentin",
     "Müller, Schmidt, Schneider, Fischer, Weber, Meyer, Wagner, Becker, Schulz, Hoffmann, "
     "Schäfer, Koch, Bauer, Richter, Klein, Wolf, Schröder, Neumann, Schwarz, Zimmermann, Braun, "
     "Krüger, Hofmann, Hartmann, Lange, Schmitt, Werner, Schmitz, Krause, Meier, Lehmann, "
     "Schmid, Schulze, Maier, Köhler, Herrmann, König, Walter, Mayer, Huber, Kaiser, Fuchs, "
     "Peters, Lang, Scholz, Möller, Weiß, Jung, Hahn, Schubert, Vogel, Friedrich, Keller, "
     "Günther, Frank, Berger, Winkler, Roth, Beck, Lorenz, Baumann, Franke, Albrecht, Schuster, "
     "Simon, Ludwig, Böhm, Winter, Kraus, Martin, Schumacher, Krämer, Vogt, Stein, Jäger, Otto, "
     "Sommer, Groß, Seidel, Heinrich, Brandt, Haas, Schreiber, Graf, Schulte, Dietrich, Ziegler, "
     "Kuhn, Kühn, Pohl, Engel, Horn, Busch, Bergmann, Thomas, Voigt, Sauer, Arnold, Wolff, "
     "Pfeiffer, Hinz, Brinkmann, Overbeck, Lindemann, Ahlers, Wiesner, Reuter, Hellmann",
     "Anna, Lena, Lea, Hannah, Laura, Julia, Sarah, Lisa, Katharina, Johanna, Sophie, Marie, "
     "Nina, Sabine, Petra, Claudia, Andrea, Susanne, Monika, Birgit, Kerstin, Anja, Heike, "
     "Stefanie, Franziska",
     "B, Br, D, Dr, Fl, Gr, H, Kl, Kr, L, M, N, R, Sch, St, W",
     "üüs, üül, üüt, üüg, üüm, üür, üüd, üüp",
     "enbach, heim, dorf, hausen, ingen, feld, stedt, burg, au, rode, beck, hagen, lohe, wede", 92},
    {"English",
     "James, John, Robert, Michael, William, David, Richard, Joseph, Thomas, Charles, "
     "Christopher, Daniel, Matthew, Anthony, Mark, Paul, Steven, Andrew, Kenneth, Joshua, Kevin, "
     "Brian, George, Timothy, Ryan, Jason, Jacob, Gary, Nicholas, Eric, Jonathan, Stephen, Scott, "
     "Justin, Brandon, Benjamin, Samuel, Frank, Gregory, Alexander, Patrick, Jack, Harry, Oliver, "
     "Charlie, Alfie, Callum, Connor, Kieran, Liam, Lewis, Jamie, Declan, Aaron, Reece, Bradley, "
     "Dean, Craig, Lee, Wayne, Ashley, Ross, Shane, Owen, Rhys, Gareth, Ewan, Fraser, Niall, "
     "Conor",
     "Smith, Jones, Williams, Brown, Taylor, Davies, Wilson, Evans, Thomas, Johnson, Roberts, "
     "Walker, Wright, Robinson, Thompson, White, Hughes, Edwards, Green, Hall, Wood, Harris, "
     "Lewis, Martin, Jackson, Clarke, Clark, Turner, Hill, Scott, Cooper, Morris, Ward, Moore, "
     "King, Watson, Baker, Harrison, Morgan, Patel, Young, Allen, Mitchell, James, Anderson, "
     "Phillips, Lee, Bell, Parker, Davis, Campbell, Kelly, Murphy, Stewart, Macdonald, Reid, "
     "Murray, Ross, Paterson, Fraser, Graham, McLean, Kennedy, Hamilton, Gallagher, O'Brien, "
     "O'Neill, Byrne, Doyle, Walsh, McCarthy, Quinn, Nolan, Foster, Barnes, Bennett, Brooks, "
     "Chapman, Cole, Collins, Cox, Dixon, Ellis, Fletcher, Gibson, Gray, Griffiths, Hunt, "
     "Jenkins, Knight, Lloyd, Marshall, Mason, Mills, Owen, Palmer, Pearson, Powell, Price, "
     "Richards, Rogers, Russell, Shaw, Simpson, Stevens, Webb, Wells, Holmes, Lawrence, Rowe",
     "Emily, Olivia, Jessica, Sophie, Chloe, Lucy, Hannah, Grace, Charlotte, Amy, Rebecca, "
     "Sarah, Laura, Emma, Katie, Megan, Rachel, Claire, Helen, Nicola, Karen, Lisa, Michelle, "
     "Kelly, Zoe",
     "B, Br, C, Ch, Cr, D, G, H, L, M, P, R, Sh, St, Th, W",
     "aal, aan, aar, aad, aam, aas, aav, aak",
     "ton, ley, bury, ford, wick, ham, borough, field, worth, mouth, stead, combe, well, bridge",
     89},
    {"Spanish",
     "José, Juan, Antonio, Manuel, Francisco, Javier, David, Daniel, Carlos, Miguel, Alejandro, "
     "Rafael, Pedro, Pablo, Sergio, Fernando, Jorge, Luis, Alberto, Álvaro, Adrián, Diego, "
     "Raúl, Iván, Rubén, Óscar, Andrés, Ignacio, Marcos, Hugo, Mario, Jesús, Ángel, Víctor, "
     "Roberto, Enrique, Ricardo, Eduardo, Gonzalo, Santiago, Mateo, Nicolás, Sebastián, Matías, "
     "Facundo, Joaquín, Agustín, Emiliano, Maximiliano, Federico, Gustavo, Hernán, Cristian, "
     "Rodrigo, Martín, Lucas, Franco, Esteban, Julián, Felipe, Camilo, Héctor, Ramón, Íker, "
     "Unai, Aitor, Jon, Xavier, Jordi, Marc",
     "García, Fernández, González, Rodríguez, López, Martínez, Sánchez, Pérez, Gómez, Martín, "
     "Jiménez, Ruiz, Hernández, Díaz, Moreno, Muñoz, Álvarez, Romero, Alonso, Gutiérrez, "
     "Navarro, Torres, Domínguez, Vázquez, Ramos, Gil, Ramírez, Serrano, Blanco, Molina, "
     "Morales, Suárez, Ortega, Delgado, Castro, Ortiz, Rubio, Marín, Sanz, Núñez, Iglesias, "
     "Medina, Garrido, Cortés, Castillo, Santos, Lozano, Guerrero, Cano, Prieto, Méndez, Cruz, "
     "Calvo, Gallego, Vidal, León, Márquez, Herrera, Peña, Flores, Cabrera, Campos, Vega, "
     "Fuentes, Carrasco, Diez, Caballero, Reyes, Nieto, Aguilar, Pascual, Santana, Herrero, "
     "Lorenzo, Montero, Hidalgo, Giménez, Ibáñez, Ferrer, Durán, Santiago, Benítez, Mora, "
     "Vicente, Vargas, Arias, Carmona, Crespo, Román, Pastor, Soto, Sáez, Velasco, Moya, Soler, "
     "Parra, Esteban, Bravo, Gallardo, Rojas, Acosta, Villalba, Sosa, Benegas, Riquelme, Aguirre",
     "María, Carmen, Ana, Isabel, Laura, Lucía, Marta, Cristina, Paula, Elena, Sara, Raquel, "
     "Patricia, Rosa, Silvia, Beatriz, Julia, Claudia, Sofía, Valentina, Camila, Daniela, "
     "Gabriela, Florencia, Natalia",
     "B, Br, C, G, L, M, P, R, S, T, Tr, V, Z", "amm, emm, imm, omm, umm",
     "eros, ada, illa, ares, edo, ona, uela, ena, al, ejo, ino, osa, ar, ía", 82},
    {"Portuguese",
     "João, José, António, Francisco, Pedro, Paulo, Carlos, Manuel, Luís, Miguel, Rui, Nuno, "
     "Tiago, Diogo, Gonçalo, Rodrigo, Ricardo, Bruno, André, Hugo, Fábio, Vítor, Sérgio, "
     "Jorge, Fernando, Filipe, Rafael, Gabriel, Lucas, Mateus, Guilherme, Gustavo, Leonardo, "
     "Thiago, Felipe, Vinícius, Matheus, Douglas, Anderson, Everton, Wellington, Renato, "
     "Rogério, Marcelo, Márcio, Júlio, Cláudio, Edson, Wagner, Roberto, Leandro, Alexandre, "
     "Henrique, Eduardo, Daniel, Caio, Danilo, Fabrício, Igor, Juliano, Luan, Maicon, Otávio, "
     "Raul, Samuel, Ruben, Simão, Tomás, Martim, Duarte",
     "Silva, Santos, Ferreira, Pereira, Oliveira, Costa, Rodrigues, Martins, Jesus, Sousa, "
     "Fernandes, Gonçalves, Gomes, Lopes, Marques, Alves, Almeida, Ribeiro, Pinto, Carvalho, "
     "Teixeira, Moreira, Correia, Mendes, Nunes, Soares, Vieira, Monteiro, Cardoso, Rocha, "
     "Neves, Coelho, Cruz, Cunha, Pires, Ramos, Reis, Simões, Antunes, Matos, Fonseca, Machado, "
     "Araújo, Barbosa, Tavares, Lourenço, Castro, Figueiredo, Azevedo, Freitas, Barros, "
     "Nascimento, Lima, Souza, Dias, Moura, Batista, Campos, Cavalcanti, Borges, Medeiros, "
     "Andrade, Miranda, Farias, Nogueira, Mesquita, Brandão, Macedo, Leite, Sampaio, Peixoto, "
     "Magalhães, Moraes, Pacheco, Queiroz, Guimarães, Rezende, Siqueira, Valente, Vasconcelos, "
     "Xavier, Aguiar, Bezerra, Calado, Dantas, Duarte, Esteves, Faria, Galvão, Henriques, "
     "Jardim, Leal, Loureiro, Maia, Morais, Paiva, Quaresma, Salgado, Tomé, Veloso",
     "Maria, Ana, Beatriz, Mariana, Inês, Sofia, Leonor, Matilde, Carolina, Joana, Rita, "
     "Catarina, Juliana, Fernanda, Patrícia, Camila, Larissa, Letícia, Gabriela, Vanessa, "
     "Adriana, Cláudia, Luana, Bruna, Raquel",
     "B, Br, C, F, G, L, M, P, R, S, T, Tr, V", "uur, uul, uum, uuz, uuv",
     "eira, ela, inha, ança, ares, elo, al, ão, ães, ada, oso, ém, ica, ende", 53},
    {"French",
     "Jean, Pierre, Michel, Philippe, Alain, Nicolas, Christophe, Patrick, Laurent, Frédéric, "
     "Stéphane, Éric, Olivier, Sébastien, Julien, David, Thomas, Vincent, Guillaume, Antoine, "
     "Maxime, Alexandre, Romain, Kevin, Florian, Mathieu, Jérôme, Benoît, Franck, Thierry, "
     "Didier, Bruno, Yannick, Cédric, Damien, Fabien, Grégory, Hugo, Lucas, Théo, Louis, Nathan, "
     "Enzo, Clément, Quentin, Valentin, Adrien, Bastien, Corentin, Dylan, Jordan, Loïc, Mickaël, "
     "Rémi, Samuel, Tristan, Xavier, Yoann, Arthur, Gaël, Jules, Killian, Mattéo, Raphaël, "
     "Aurélien, Baptiste, Étienne, Florent, Gilles, Hervé",
     "Martin, Bernard, Dubois, Thomas, Robert, Richard, Petit, Durand, Leroy, Moreau, Simon, "
     "Laurent, Lefebvre, Michel, Garcia, David, Bertrand, Roux, Vincent, Fournier, Morel, "
     "Girard, André, Lefèvre, Mercier, Dupont, Lambert, Bonnet, François, Martinez, Legrand, "
     "Garnier, Faure, Rousseau, Blanc, Guérin, Muller, Henry, Roussel, Nicolas, Perrin, Morin, "
     "Mathieu, Clément, Gauthier, Dumont, Lopez, Fontaine, Chevalier, Robin, Masson, Sanchez, "
     "Gérard, Nguyen, Boyer, Denis, Lemaire, Duval, Joly, Gautier, Roger, Roche, Roy, Noël, "
     "Meyer, Lucas, Meunier, Jean, Perez, Marchand, Dufour, Blanchard, Marie, Barbier, Brun, "
     "Dumas, Brunet, Schmitt, Leroux, Colin, Fernandez, Pierre, Renard, Arnaud, Rolland, Caron, "
     "Aubert, Giraud, Leclerc, Vidal, Bourgeois, Renaud, Lemoine, Picard, Gaillard, Philippe, "
     "Leclercq, Lacroix, Fabre, Dupuis, Olivier, Rodriguez, Da Silva, Hubert, Louis, Charles",
     "Marie, Nathalie, Isabelle, Sylvie, Catherine, Sandrine, Valérie, Céline, Stéphanie, "
     "Aurélie, Julie, Camille, Léa, Manon, Chloé, Emma, Inès, Sarah, Pauline, Mathilde, Élodie, "
     "Claire, Lucie, Anaïs, Margaux",
     "B, Br, Ch, D, F, G, Gr, L, M, P, R, S, T, V", "uul, uur, uus, uun, uud",
     "ville, court, ac, ay, ières, bourg, mont, eux, ans, ois, oux, ange, el, in", 63},
    {"Italian",
     "Marco, Giuseppe, Giovanni, Antonio, Mario, Luigi, Francesco, Alessandro, Andrea, Luca, "
     "Matteo, Lorenzo, Davide, Simone, Federico, Riccardo, Stefano, Roberto, Paolo, Fabio, "
     "Massimo, Claudio, Daniele, Gianluca, Alberto, Emanuele, Nicola, Salvatore, Vincenzo, "
     "Pietro, Domenico, Filippo, Gabriele, Tommaso, Edoardo, Leonardo, Manuel, Mattia, Christian, "
     "Michele, Cristiano, Diego, Enrico, Fabrizio, Franco, Gianni, Giorgio, Ivan, Leonardo, "
     "Maurizio, Massimiliano, Nicolò, Pasquale, Raffaele, Renato, Sergio, Valerio, Vittorio, "
     "Alessio, Angelo, Carlo, Dario, Elia, Giacomo, Jacopo, Marcello, Samuele, Ciro, Gennaro, "
     "Luciano",
     "Rossi, Russo, Ferrari, Esposito, Bianchi, Romano, Colombo, Ricci, Marino, Greco, Bruno, "
     "Gallo, Conti, De Luca, Mancini, Costa, Giordano, Rizzo, Lombardi, Moretti, Barbieri, "
     "Fontana, Santoro, Mariani, Rinaldi, Caruso, Ferrara, Galli, Martini, Leone, Longo, "
     "Gentile, Martinelli, Vitale, Lombardo, Serra, Coppola, De Santis, D'Angelo, Marchetti, "
     "Parisi, Villa, Conte, Ferraro, Ferri, Fabbri, Bianco, Marini, Grasso, Valentini, Messina, "
     "Sala, De Angelis, Gatti, Pellegrini, Palumbo, Sanna, Farina, Rizzi, Monti, Cattaneo, "
     "Morelli, Amato, Silvestri, Mazza, Testa, Grassi, Pellegrino, Carbone, Giuliani, "
     "Benedetti, Barone, Rossetti, Caputo, Montanari, Guerra, Palmieri, Bernardi, Martino, "
     "Fiore, De Rosa, Ferretti, Bellini, Basile, Riva, Donati, Piras, Vitali, Battaglia, "
     "Sartori, Neri, Costantini, Milani, Pagano, Ruggiero, Sorrentino, D'Amico, Orlando, "
     "Damico, Negri, Borg, Camilleri, Farrugia, Zammit",
     "Giulia, Francesca, Chiara, Sara, Martina, Valentina, Alessia, Federica, Elisa, Silvia, "
     "Laura, Paola, Roberta, Simona, Elena, Anna, Sofia, Aurora, Alice, Ginevra, Beatrice, "
     "Giorgia, Ilaria, Serena, Monica",
     "B, Br, C, F, G, Gr, L, M, P, R, S, T, Tr, V", "ool, oor, oov, oom, oon, ooz",
     "ano, ello, ino, ate, ona, ara, etto, ico, iglia, esco, ento, ola, ena, asco", 58},
    {"Dutch",
     "Jan, Pieter, Kees, Johan, Willem, Hendrik, Jeroen, Bas, Ruud, Marco, Dennis, Frank, Ronald, "
     "Arjen, Wesley, Rafael, Robin, Dirk, Klaas, Sjoerd, Stijn, Thijs, Joris, Daan, Sem, Lars, "
     "Milan, Jesse, Thomas, Tim, Niels, Bram, Koen, Wouter, Sander, Maarten, Martijn, Mark, Erik, "
     "Rob, Gert, Henk, Theo, Arie, Joost, Jasper, Ruben, Tom, Luuk, Max, Stefan, Jordy, Kevin, "
     "Mitchell, Jurriën, Quincy, Ryan, Nathan, Justin, Denzel, Ricardo, Hidde, Jelle, "
     "Bart, Teun, Siem, Gijs, Floris, Wim, Pim",
     "de Jong, Jansen, de Vries, van den Berg, van Dijk, Bakker, Janssen, Visser, Smit, Meijer, "
     "de Boer, Mulder, de Groot, Bos, Vos, Peters, Hendriks, van Leeuwen, Dekker, Brouwer, "
     "de Wit, Dijkstra, Smits, de Graaf, van der Meer, van der Linden, Kok, Jacobs, de Haan, "
     "Vermeulen, van den Heuvel, van der Veen, van den Broek, de Bruijn, de Bruin, van der "
     "Heijden, "
     "Schouten, van Beek, Willems, van Vliet, van de Ven, Hoekstra, Maas, Verhoeven, Koster, "
     "van Dam, van der Wal, Prins, Blom, Huisman, Peeters, de Jonge, Kuipers, van Veen, Post, "
     "Kuiper, Veenstra, Kramer, van den Brink, Scholten, van Wijk, Postma, Martens, Vink, "
     "de Ruiter, Timmermans, Groen, Gerritsen, Jonker, van Loon, Boer, van der Velde, Willemsen, "
     "Smeets, de Lange, de Vos, Bosch, van Dongen, Schipper, de Koning, van der Laan, Koning, "
     "Driessen, van Doorn, Hermans, Evers, van den Bosch, van der Meulen, Hofman, Bosman, "
     "Wouters, Sinnema, Claes, Goossens, Wuyts, Maes, Mertens, Lemmens, Verbeek, Brands",
     "Emma, Sophie, Julia, Anna, Lotte, Sanne, Eva, Fleur, Lieke, Iris, Anouk, Femke, Lisa, "
     "Marieke, Inge, Esther, Ingrid, Annelies, Mirjam, Wendy, Kim, Linda, Sandra, Nicole, Tessa",
     "B, Br, D, G, H, K, L, M, N, R, S, Sch, W, Z", "iil, iir, iik, iim, iid, iis",
     "dam, recht, hoven, veen, wijk, woude, lo, horst, broek, sum, kerk, oord, zande, hem", 47},
    {"Nordic",
     "Lars, Anders, Erik, Johan, Magnus, Henrik, Nils, Per, Olof, Karl, Sven, Gustav, Axel, "
     "Oscar, Viktor, Emil, Filip, Hugo, Isak, Linus, Ludvig, Elias, William, Alexander, Jonas, "
     "Mikkel, Rasmus, Kasper, Mads, Søren, Jesper, Thomas, Christian, Morten, Jens, Frederik, "
     "Ole, Bjørn, Knut, Håkon, Eirik, Sindre, Tore, Stian, Kristian, Martin, Andreas, Jon, "
     "Sigurd, Gunnar, Einar, Ragnar, Hannes, Aron, Birkir, Birgir, Kári, Jari, Mikko, Teemu, "
     "Jussi, Antti, Sami, Petteri, Markus, Joel, Daniel, Sebastian, Simon, Tobias",
     "Andersson, Johansson, Karlsson, Nilsson, Eriksson, Larsson, Olsson, Persson, Svensson, "
     "Gustafsson, Pettersson, Jonsson, Jansson, Hansson, Bengtsson, Jönsson, Lindberg, "
     "Jakobsson, Magnusson, Olofsson, Lindström, Lindqvist, Lindgren, Axelsson, Berg, "
     "Bergström, Lundberg, Lind, Lundgren, Lundqvist, Mattsson, Berglund, Fredriksson, "
     "Sandberg, Henriksson, Forsberg, Sjöberg, Wallin, Engström, Eklund, Danielsson, Lundin, "
     "Håkansson, Björk, Bergman, Gunnarsson, Holm, Wikström, Samuelsson, Isaksson, Fransson, "
     "Nielsen, Jensen, Hansen, Pedersen, Andersen, Christensen, Larsen, Sørensen, Rasmussen, "
     "Jørgensen, Petersen, Madsen, Kristensen, Olsen, Thomsen, Christiansen, Poulsen, Johansen, "
     "Møller, Mortensen, Johannessen, Karlsen, Nilsen, Haugen, Berge, Bakken, Solberg, Dahl, "
     "Halvorsen, Strand, Lie, Moen, Jakobsen, Sigurðsson, Gunnarsdóttir, Jónsson, Guðmundsson, "
     "Einarsson, Kristjánsson, Virtanen, Korhonen, Nieminen, Mäkinen, Hämäläinen, Laine, "
     "Heikkinen, Koskinen, Järvinen, Lehtonen, Salminen, Hakala, Joensen, Poulsen",
     "Anna, Emma, Maja, Elsa, Ida, Ebba, Alva, Wilma, Freja, Ella, Sofie, Ingrid, Nora, Sara, "
     "Karin, Kristina, Maria, Eva, Lena, Malin, Hanne, Mette, Sigrid, Guðrún, Aino",
     "B, Br, F, Fr, G, H, K, L, M, N, R, S, Sk, St, T, V", "øøl, øøv, øør, øøs, øøn, øøk, øøg",
     "vik, by, sund, holm, borg, heim, stad, fjord, dal, rød, berg, ås, näs, køping", 56},
    {"Slavic",
     "Aleksandr, Dmitri, Sergei, Andrei, Alexei, Ivan, Mikhail, Nikolai, Vladimir, Yuri, Igor, "
     "Oleg, Pavel, Roman, Artem, Maxim, Denis, Anton, Kirill, Yegor, Viktor, Vitali, Ruslan, "
     "Bogdan, Taras, Andriy, Oleksandr, Mykola, Serhiy, Volodymyr, Piotr, Paweł, Tomasz, "
     "Krzysztof, Marcin, Łukasz, Grzegorz, Jakub, Kamil, Mateusz, Michał, Wojciech, Bartosz, "
     "Dawid, Adam, Jan, Petr, Tomáš, Martin, Jiří, Pavel, Lukáš, Ondřej, Marek, Miroslav, "
     "Vladimír, Peter, Juraj, Milan, Marián, Ľubomír, Gábor, László, Zoltán, Attila, Péter, "
     "Tamás, Balázs, Dániel, Ádám, Giorgi, Levan, Davit, Armen, Aram, Tigran, Jānis, Andris, "
     "Mindaugas, Tomas, Darius, Karel, Rasmus, Siim",
     "Ivanov, Smirnov, Kuznetsov, Popov, Vasiliev, Petrov, Sokolov, Mikhailov, Novikov, "
     "Fyodorov, Morozov, Volkov, Alekseev, Lebedev, Semenov, Egorov, Pavlov, Kozlov, Stepanov, "
     "Nikolaev, Orlov, Andreev, Makarov, Zakharov, Zaitsev, Solovyov, Borisov, Romanov, "
     "Shevchenko, Kovalenko, Bondarenko, Tkachenko, Kravchenko, Melnyk, Boyko, Koval, Oliynyk, "
     "Lysenko, Rudenko, Savchenko, Kowalski, Nowak, Wiśniewski, Wójcik, Kowalczyk, Kamiński, "
     "Lewandowski, Zieliński, Szymański, Woźniak, Dąbrowski, Kozłowski, Jankowski, Mazur, "
     "Kwiatkowski, Krawczyk, Piotrowski, Grabowski, Pawłowski, Michalski, Król, Wieczorek, "
     "Nowakowski, Majewski, Olszewski, Jaworski, Malinowski, Górski, Novák, Svoboda, Novotný, "
     "Dvořák, Černý, Procházka, Kučera, Veselý, Horák, Němec, Pokorný, Marek, Pospíšil, Hájek, "
     "Jelínek, Král, Růžička, Beneš, Fiala, Sedláček, Horváth, Kováč, Varga, Tóth, Nagy, "
     "Szabó, Kovács, Kiss, Molnár, Németh, Farkas, Balogh, Papp, Takács, Juhász, Mészáros, "
     "Beridze, Kapanadze, Gelashvili, Abashidze, Hakobyan, Petrosyan, Grigoryan, Sargsyan, "
     "Bērziņš, Kalniņš, Ozoliņš, Kazlauskas, Jankauskas, Petrauskas, Tamm, Saar, Sepp, Mägi",
     "Anna, Olga, Tatiana, Natalia, Elena, Irina, Svetlana, Ekaterina, Maria, Yulia, Anastasia, "
     "Oksana, Agnieszka, Katarzyna, Małgorzata, Joanna, Magdalena, Jana, Petra, Lucie, Eva, "
     "Zsófia, Katalin, Nino, Lilit",
     "B, Br, D, G, K, Kr, L, M, N, P, Pr, R, S, T, V", "ozz, izz, azz, ezz, uzz",
     "ovo, ice, any, ino, ec, ava, insk, ovka, ets, ník, ów, ograd, yn, ew", 75},
    {"Balkan",
     "Marko, Nikola, Stefan, Luka, Filip, Aleksandar, Miloš, Nemanja, Dušan, Vladimir, Dragan, "
     "Zoran, Goran, Milan, Dejan, Darko, Nenad, Srđan, Bojan, Ivan, Josip, Ante, Mario, Tomislav, "
     "Dario, Mateo, Domagoj, Hrvoje, Igor, Edin, Emir, Haris, Amir, Kenan, Senad, Dževad, Jasmin, "
     "Armin, Blerim, Arben, Besnik, Ardit, Dritan, Ermal, Valon, Driton, Georgi, Dimitar, Ivaylo, "
     "Hristo, Petar, Todor, Kiril, Andrei, Ionuț, Alexandru, Mihai, Cristian, Florin, Gheorghe, "
     "Răzvan, Bogdan, Ciprian, Giorgos, Dimitris, Nikos, Kostas, Yannis, Christos, Vasilis, "
     "Panagiotis, Thanasis, Sotiris, Jan, Žan, Jaka, Rok, Tilen",
     "Jovanović, Petrović, Nikolić, Marković, Đorđević, Stojanović, Ilić, Stanković, Pavlović, "
     "Milošević, Popović, Savić, Kostić, Đukić, Lazić, Vasić, Ristić, Tomić, Matić, Mitrović, "
     "Kovačević, Horvat, Babić, Marić, Jurić, Novak, Knežević, Vuković, Perić, Pavić, Kovačić, "
     "Božić, Grgić, Šarić, Blažević, Brkić, Kolar, Radić, Pranjić, Hodžić, Hadžić, "
     "Begović, Delić, Mujić, Kovač, Husić, Osmanović, Omerović, Salihović, Hasanović, Krasniqi, "
     "Berisha, Gashi, Shala, Hoxha, Kelmendi, Morina, Bytyqi, Rexhepi, Dervishi, Çela, Sadiku, "
     "Ivanov, Georgiev, Dimitrov, Petrov, Nikolov, Hristov, Stoyanov, Todorov, Iliev, Angelov, "
     "Popescu, Ionescu, Popa, Dumitru, Stan, Stoica, Gheorghe, Matei, Ciobanu, Rusu, Munteanu, "
     "Constantin, Marin, Tudor, Lungu, Papadopoulos, Georgiou, Nikolaidis, Dimitriou, "
     "Karagiannis, Vasileiou, Oikonomou, Christodoulou, Pappas, Makris, Antoniou, Theodorou, "
     "Kranjc, Zupančič, Potočnik, Mlakar, Vidmar, Golob, Trajkovski, Stojanovski, Petrovski",
     "Ana, Jelena, Marija, Milica, Ivana, Maja, Katarina, Tijana, Petra, Lucija, Amra, Lejla, "
     "Emina, Arta, Blerta, Elena, Desislava, Ioana, Andreea, Maria, Eleni, Katerina, Sofia, "
     "Nika, Teodora",
     "B, Br, D, Dr, G, K, Kr, L, M, N, P, R, S, St, T, V", "aab, aal, aan, aav, aar, aad",
     "ovac, ica, ište, evo, ani, eni, ince, ovo, jevo, grad, ari, ac, ia, ovë", 63},
    {"Turkic",
     "Mehmet, Mustafa, Ahmet, Ali, Hüseyin, Hasan, İbrahim, İsmail, Osman, Yusuf, Murat, Ömer, "
     "Ramazan, Halil, Süleyman, Abdullah, Mahmut, Recep, Salih, Kemal, Emre, Burak, Serkan, "
     "Volkan, Arda, Hakan, Tolga, Onur, Caner, Selçuk, Gökhan, Cenk, Enes, Oğuzhan, Umut, "
     "Yunus, Kerem, Berkay, Furkan, Okan, Sinan, Tuncay, Emir, Efe, Baran, Eren, Kaan, Orkun, "
     "Elvin, Rashad, Ramil, Tural, Farid, Nurlan, Aslan, Baurzhan, Yerlan, Daniyar, Azamat, "
     "Timur, Rustam, Bakhodir, Jamshid, Sardor, Otabek, Aziz, Dilshod, Serdar, Arslan, Ruslan",
     "Yılmaz, Kaya, Demir, Şahin, Çelik, Yıldız, Yıldırım, Öztürk, Aydın, Özdemir, Arslan, "
     "Doğan, Kılıç, Aslan, Çetin, Kara, Koç, Kurt, Özkan, Şimşek, Polat, Özcan, Korkmaz, Çakır, "
     "Erdoğan, Yavuz, Can, Acar, Şen, Aktaş, Güler, Yalçın, Güneş, Bozkurt, Bulut, Keskin, Ünal, "
     "Turan, Gül, Özer, Işık, Kaplan, Avcı, Sarı, Tekin, Taş, Köse, Yüksel, Ateş, Aksoy, "
     "Karakaya, Ekinci, Türk, Toprak, Uysal, Tuncer, Altun, Akgül, Sezer, Oral, Durmaz, Tunç, "
     "Kocabaş, Akbulut, Erdem, Uçar, Topal, Gündoğan, Aliyev, Mammadov, Hasanov, Huseynov, "
     "Guliyev, Ismayilov, Abbasov, Rzayev, Nurmagambetov, Abdrakhmanov, Zhaksybekov, "
     "Tulegenov, Seitkali, Bekov, Islamov, Yusupov, Karimov, Rakhimov, Tashkentov, Sharipov, "
     "Nazarov, Akhmedov, Khodjaev, Usmonov, Berdyev, Atayev, Annayev, Gurbanov, Orazov, Ataev, "
     "Durdyev, Kurbanov, Saparov, Niyazov, Tursunov, Bakirov",
     "Ayşe, Fatma, Emine, Hatice, Zeynep, Elif, Merve, Büşra, Esra, Özge, Derya, Ebru, Selin, "
     "Aylin, Gülşen, Leyla, Aygün, Nigar, Aigerim, Dinara, Madina, Gulnara, Dilnoza, Nilufar, "
     "Ogulnabat",
     "B, Ç, D, G, H, K, M, N, S, T, Y, Z", "eer, eel, eek, eem, een, ees",
     "köy, abad, kent, li, ova, dere, tepe, ören, han, hisar, su, kale, yurt, bulak", 50},
    {"Arabic",
     "Mohamed, Ahmed, Mahmoud, Mostafa, Ali, Omar, Khaled, Hassan, Hussein, Ibrahim, Youssef, "
     "Abdullah, Abdelrahman, Karim, Tarek, Amr, Hamza, Bilal, Walid, Sami, Nabil, Adel, Fares, "
     "Rami, Ziad, Samir, Yassine, Achraf, Hakim, Nordin, Sofiane, Riyad, Islam, Amine, Anis, "
     "Bilel, Mehdi, Nassim, Hicham, Rachid, Abdelkader, Salem, Saeed, Faisal, Fahad, Sultan, "
     "Nasser, Majed, Yasser, Hamad, Mansour, Saleh, Badr, Marwan, Osama, Mazen, Ayman, Hadi, "
     "Jassim, Abdulaziz, Reza, Mehdi, Ali Reza, Hossein, Saman, Milad, Sardar, Karim, Farhad, "
     "Ahmad Shah, Zabihullah",
     "Hassan, Hussein, Ibrahim, Salah, Mahmoud, Abdallah, Mansour, Saleh, Khalil, Nasser, Haddad, "
     "Khoury, Farah, Aziz, Hamdan, Suleiman, Youssef, Mustafa, Othman, Rahman, Qasim, Jaber, "
     "Saad, Said, Fathi, Gaber, Nasr, Zaki, Kamel, Shehata, Abdelaziz, Fouad, Ramadan, "
     "Soliman, Hamdi, Ghali, El Amrani, Benali, Bensaid, Boudali, Bouzid, Belkacem, Benaissa, "
     "Mansouri, Bouzidi, Brahimi, Slimani, Cherif, Ziani, Lakhdar, Haddadi, Saadi, Meziane, "
     "Ben Youssef, Gharbi, Jebali, Sassi, Jaziri, Trabelsi, Hammami, Dahmen, Mejri, "
     "El Ouahabi, El Idrissi, Tazi, Alaoui, Bennani, Chraibi, Fassi, Berrada, Lahlou, Al-Dossari, "
     "Al-Shahrani, Al-Owais, Al-Faraj, Al-Mutairi, Al-Harbi, Al-Qahtani, Al-Ghamdi, Al-Otaibi, "
     "Al-Rashidi, Al-Hamadi, Al-Haydos, Al-Sulaiti, Al-Jaber, Al-Amri, Al-Shammari, Al-Khaldi, "
     "Al-Yami, Al-Hashimi, Al-Zoubi, Al-Masri, Al-Tamimi, Hosseini, Rezaei, Mohammadi, Ahmadi, "
     "Karimi, Jafari, Moradi, Sadeghi, Rostami, Ansari, Rahimi, Noori, Haidari, "
     "Popal, Sharifi, Amiri, Sadiqi",
     "Fatima, Aisha, Mariam, Nour, Sara, Layla, Yasmin, Hana, Amira, Salma, Rania, Dina, Rana, "
     "Samira, Leila, Nadia, Zainab, Huda, Lina, Maha, Sahar, Shirin, Maryam, Zahra, Parisa",
     "B, D, H, J, K, Kh, M, N, Q, R, S, Sh, T, Z", "avv, ivv, uvv",
     "ara, iya, an, ah, ir, abad, am, una, il, ar, ein, at, ur, ad", 81},
    {"African",
     "Samuel, Emmanuel, Joseph, Daniel, John, Peter, Michael, Godfrey, Victor, Stephen, Isaac, "
     "Kwame, Kofi, Kwabena, Yaw, Kwasi, Kojo, Abedi, Asamoah, Chinedu, Chukwuemeka, Obinna, "
     "Nnamdi, Ikechukwu, Uche, Emeka, Oluwaseun, Ademola, Babatunde, Segun, Tunde, Ahmed, "
     "Moussa, Mamadou, Ibrahima, Cheikh, Ousmane, Abdoulaye, Sadio, Idrissa, Lamine, Boubacar, "
     "Amadou, Modibo, Seydou, Souleymane, Didier, Yaya, Salomon, Serge, Wilfried, Franck, "
     "Jean-Marie, Patrice, Cédric, Thulani, Sipho, Themba, Bongani, Lerato, Tshepo, Teboho, "
     "Kagiso, Percy, Benni, Knowledge, Tendai, Tafadzwa, Brian, Dennis, Mbwana, Haruna, Juma, "
     "Musa, Kelechi, Wilfred, Tariq, Getaneh, Shimelis, Dawit, Biniam, Eskinder",
     "Mensah, Owusu, Boateng, Asante, Appiah, Osei, Agyemang, Ansah, Acheampong, Amoah, Danso, "
     "Gyamfi, Frimpong, Darko, Addo, Okafor, Okonkwo, Eze, Nwankwo, Obi, Okeke, Adeyemi, "
     "Adebayo, Ogunleye, Balogun, Olawale, Ibe, Nwosu, Onyeka, Chukwu, Oyelaran, Diallo, "
     "Traoré, Koné, Coulibaly, Camara, Keita, Touré, Sissoko, Diarra, Cissé, Sow, Ba, Ndiaye, "
     "Diop, Sarr, Faye, Gueye, Mbaye, Niang, Seck, Fofana, Konaté, Doumbia, Bamba, Kouassi, "
     "Yao, Kouamé, Kouadio, Konan, Atangana, Mbarga, Essomba, Fouda, Nkoulou, Ngono, Tchami, "
     "Ekotto, "
     "Kabongo, Mbuyi, Ilunga, Kabila, Mulumba, Tshibangu, Nsimba, Mokoena, Khumalo, Dlamini, "
     "Ndlovu, Nkosi, Mthembu, Zulu, Sithole, Mahlangu, Moloi, Banda, Phiri, Mwale, Tembo, "
     "Chanda, Mulenga, Kamara, Kallon, Bangura, Kollie, Sesay, Wekesa, Otieno, Odhiambo, "
     "Mwangi, Kamau, Kiprono, Juma, Mushi, Massawe, Mkude, Okello, Onyango, Kizito, Mugisha, "
     "Habimana, Niyonzima, Tesfaye, Girma, Bekele, Alemu, Haile, Tekle, Rakotondrabe, Randria",
     "Grace, Blessing, Mercy, Esther, Abena, Akosua, Ama, Efua, Chioma, Ngozi, Adaeze, Funmilayo, "
     "Aminata, Fatoumata, Mariama, Awa, Aïcha, Thandiwe, Nomvula, Zanele, Wanjiru, Achieng, "
     "Makena, Tigist, Hiwot",
     "B, D, G, K, L, M, Mb, N, Nd, Ng, S, T, W, Z", "avv, ivv, uvv, ovv",
     "anga, umba, ala, ene, ika, oro, ama, ola, ende, ali, ani, asi, ero, ugu", 81},
    {"East Asian",
     "Wei, Lei, Jun, Hao, Tao, Peng, Bin, Jie, Yang, Long, Chao, Kai, Yi, Xin, Ming, Qiang, "
     "Feng, Gang, Jian, Liang, Zhen, Hui, Yong, Bo, Cheng, Dong, Fei, Guang, Hong, Kun, Lin, "
     "Ning, Rui, Shuai, Tian, Xiang, Yu, Zhi, Wenjun, Zhiyong, Min-jae, Heung-min, Ji-sung, "
     "Hyun-woo, Seung-ho, Jae-sung, Woo-young, Chang-hoon, Sang-woo, Joon-ho, Young-soo, Sung-jin, "
     "Tae-hee, Jin-su, Dong-won, Min-ho, Kyu-sung, Chol-jin, Kwang-ryong, Jong-hyok, Batbayar, "
     "Ganbold, Tsogt, Bat-Erdene, Temuulen, Chun-wai, Ka-ho, Wai-kit, Chi-keung, Po-hsun",
     "Wang, Li, Zhang, Liu, Chen, Yang, Huang, Zhao, Wu, Zhou, Xu, Sun, Ma, Zhu, Hu, Guo, He, "
     "Gao, Lin, Luo, Zheng, Liang, Xie, Song, Tang, Han, Feng, Deng, Cao, Peng, Zeng, Xiao, "
     "Tian, Dong, Yuan, Pan, Yu, Jiang, Cai, Du, Ye, Cheng, Wei, Su, Lu, Ding, Ren, Shen, "
     "Yao, Jin, Fu, Zhong, Wan, Qin, Kong, Bai, Cui, Kang, Mao, Qiu, Qian, Shi, Hou, Tan, "
     "Kim, Lee, Park, Choi, Jung, Kang, Cho, Yoon, Jang, Lim, Han, Oh, Seo, Shin, Kwon, Hwang, "
     "Ahn, Song, Jeon, Hong, Ko, Moon, Yang, Son, Bae, Baek, Heo, Nam, Ri, Pak, Ryu, Chong, "
     "Chan, Wong, Leung, Cheung, Lau, Ng, Chu, Kwok, Yip, Tsang, Batsaikhan, Ganbaatar, "
     "Enkhbold, Dorj, Bold",
     "Li Na, Wang Fang, Xiu Ying, Mei, Jing, Yan, Hui Min, Xiaoling, Lan, Ting, Yu Ting, "
     "Min-ji, Seo-yeon, Ji-woo, Soo-ah, Eun-ji, Hye-jin, Yu-na, So-yeon, Ka-yan, Wing-yan, "
     "Oyunchimeg, Saruul, Enkhjin, Naran",
     "B, Ch, D, G, H, J, L, M, N, S, T, Y, Zh", "oan, oam, oak, oal",
     "zhou, yang, shan, ping, ning, jin, cheon, ju, san, po, dong, hai, gu, won", 54},
    {"Japanese",
     "Hiroshi, Takashi, Kenji, Yuki, Daisuke, Shinji, Keisuke, Yuto, Takumi, Kaoru, Shunsuke, "
     "Yasuhiro, Makoto, Atsushi, Masaki, Hiroki, Genta, Goro, Wataru, Ren, Daichi, Junpei, "
     "Takeshi, Kouhei, Ayumu, Daigo, Koki, Takehiko, Yuya, Shohei, Hideo, Akio, Kyohei, Reiji, "
     "Kento, Tomoaki, Yoshinori, Tatsuya, Naoki, Masato, Ryota, Sho, Shota, Taishi, Hayao, "
     "Kazuki, Kazuya, Kosuke, Masaaki, Masashi, Naoto, Ryo, Ryosuke, Satoshi, Shinya, Takuma, "
     "Taro, Tetsuya, Tomoya, Toru, Yasuo, Yoshito, Yosuke, Yuji, Yusuke, Yuta, Akira, Haruki, "
     "Hinata, Sota",
     "Sato, Suzuki, Takahashi, Tanaka, Watanabe, Ito, Yamamoto, Nakamura, Kobayashi, Kato, "
     "Yoshida, Yamada, Sasaki, Yamaguchi, Matsumoto, Inoue, Kimura, Hayashi, Shimizu, "
     "Yamazaki, Mori, Abe, Ikeda, Hashimoto, Yamashita, Ishikawa, Nakajima, Maeda, Fujita, "
     "Ogawa, Goto, Okada, Hasegawa, Murakami, Kondo, Ishii, Saito, Sakamoto, Endo, Aoki, "
     "Fujii, Nishimura, Fukuda, Ota, Miura, Fujiwara, Okamoto, Matsuda, Nakagawa, Nakano, "
     "Harada, Ono, Tamura, Takeuchi, Kaneko, Wada, Nakayama, Ishida, Ueda, Morita, Hara, "
     "Shibata, Sakai, Kudo, Yokoyama, Miyazaki, Miyamoto, Uchida, Takagi, Ando, Taniguchi, "
     "Ohno, Maruyama, Imai, Takada, Fujimoto, Takeda, Murata, Ueno, Sugiyama, Masuda, Sugawara, "
     "Hirano, Otsuka, Chiba, Kubo, Matsui, Iwasaki, Sakurai, Kinoshita, Noguchi, Matsuo, "
     "Nomura, Kikuchi, Sano, Onishi, Sugimoto, Arai, Hamada, Ichikawa, Furukawa, Mizuno",
     "Yuko, Keiko, Tomoko, Akiko, Yumi, Naoko, Mayumi, Sakura, Yui, Aoi, Hina, Rin, Mio, "
     "Haruka, Nanami, Misaki, Ayaka, Mai, Saki, Kana, Riko, Emi, Chihiro, Megumi, Kaori",
     "F, H, K, M, N, S, T, Y, W", "ala, ale, olu, ilo, ule, alu",
     "moto, yama, shima, saki, hara, kawa, oka, zawa, mura, gawa, no, tsu, zaki, hama", 45},
    {"South Asian",
     "Rahul, Amit, Sunil, Sandeep, Anil, Raj, Vijay, Ravi, Arjun, Rohit, Sanjay, Deepak, "
     "Subrata, Gurpreet, Manoj, Vikram, Ashique, Prakash, Anirudh, Brandon, Imran, Hassan, "
     "Zeeshan, Kashif, Adnan, Farhan, Shahid, Jamal, Mamunul, Topu, Bimal, Anjan, Kiran, "
     "Dipesh, Tashi, Somchai, Somsak, Prasert, Anucha, Kittisak, Supachai, Nguyen, "
     "Minh, Tuan, Hung, Duc, Thanh, Long, Bambang, Budi, Eko, "
     "Agus, Dedi, Irfan, Rizky, Hafiz, Faiz, Syamer, Akhyar, Hariss, Ikhsan, Safuwan, "
     "Phil, James, Neil, Kyaw, Aung, Zaw, Thet, Sok, Vannak, Souksavanh, Kim, Ibrahim, Ali",
     "Singh, Kumar, Sharma, Gupta, Patel, Das, Reddy, Nair, Menon, Rao, Bose, Chatterjee, "
     "Banerjee, Mukherjee, Iyer, Pillai, Bhandari, Sandhu, Jhingan, Gurung, Tamang, Thapa, Rai, "
     "Magar, Shrestha, Lama, Dorji, Wangchuk, Khan, Ahmed, Hussain, Ali, Malik, Butt, Chaudhry, "
     "Qureshi, Siddiqui, Rahman, Hossain, Islam, Uddin, Perera, Fernando, Silva, Jayasuriya, "
     "Bandara, Wickramasinghe, Dissanayake, Rathnayake, Suksawat, Songkrasin, Dangda, "
     "Bunmathan, Chaiyawong, Wongsa, Srisuk, Sangsuk, Kaewkamnerd, Pholsri, Nguyen Van, Tran, "
     "Le, Pham, Hoang, Phan, Vu, Dang, Bui, Do, Ho, Ngo, Duong, Ly, Pratama, Saputra, Wijaya, "
     "Setiawan, Kurniawan, Hidayat, Santoso, Nugroho, Gunawan, Sihombing, Simanjuntak, "
     "Rahmat, Abdullah, Ismail, Hamid, Razak, Yusof, Aziz, Idris, Osman, Hassan, Garcia, "
     "Reyes, Santos, Bautista, Villanueva, Ramos, Aquino, Mendoza, Tun, Oo, Htet, Lwin, "
     "Sovan, Phommachanh, Inthavong",
     "Priya, Anjali, Sunita, Pooja, Neha, Kavita, Ayesha, Fatima, Nusrat, Sabina, Nimali, "
     "Dilani, Malai, Siriporn, Ploy, Lan, Huong, Linh, Dewi, Sari, Putri, Nurul, Aung Mya, "
     "Maria, Kristine",
     "B, Bh, Ch, D, G, K, L, M, N, P, R, S, T, V", "azz, izz, ozz, uzz",
     "pur, abad, garh, nagar, gaon, pura, ganj, kot, ur, ali, wala, ore, wadi, palli", 64},
};

}  // namespace

std::span<const SNameBankText> NameBankTexts() {
    return kTexts;
}

}  // namespace kw::demo
