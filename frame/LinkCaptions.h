#pragma once

// The promotional captions that several windows carry, worded once.
namespace linkCaptions {

// The community link; windows add "Visit us at " and the address.
inline constexpr char Community[] =
    "The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. ";
// "&&" shows as one "&" (see labelCaption).
inline constexpr char CoBrandWithBlanks[] =
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &&  link here. See \"Help\" for details.    Click Here for more info on co-branding.";
inline constexpr char CoBrandWithoutBlanks[] =
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &&  link here. See \"Help\" for details.Click Here for more info on co-branding.";
inline constexpr char FullBrand[] =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. Click here for more details.";

} // namespace linkCaptions
