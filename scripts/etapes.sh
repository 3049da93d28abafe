# Sourced by the scripts: `etape "name:"` notes how long the stage that ends
# took; `etapes_dites` says them all, then the whole duration.
debut=$SECONDS
etapes=()
marque=$SECONDS
etape() {
  etapes+=("$1 $(( (SECONDS - marque) / 60 )) min $(( (SECONDS - marque) % 60 )) s")
  marque=$SECONDS
}
etapes_dites() {
  printf '%s\n' "${etapes[@]}"
  echo "$1 $(( (SECONDS - debut) / 60 )) min $(( (SECONDS - debut) % 60 )) s."
}
